#include "source/ods/OdsWorkbook.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "source/DamagedFile.h"
#include "source/WorkbookError.h"
#include "source/ods/FilePartSource.h"
#include "source/ods/OdsManifest.h"
#include "source/ods/OdsMeta.h"
#include "source/ods/OdsSheetList.h"
#include "source/xlsx/BytesAhead.h"
#include "source/xlsx/XmlStream.h"

namespace quillmere::source::ods {

namespace {

using Kind = WorkbookError::Kind;

const std::string kContentPart = "content.xml";
constexpr std::string_view kOpenDocumentType = "application/vnd.oasis.opendocument.";
// A mimetype entry longer than this is no media type.
constexpr std::size_t kMaxMimetypeBytes = 256;

std::string_view trimmed(std::string_view text) {
  const auto space = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && space(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && space(text.back()))
    text.remove_suffix(1);
  return text;
}

bool isSpreadsheetType(std::string_view type) {
  return type == "application/vnd.oasis.opendocument.spreadsheet" ||
         type == "application/vnd.oasis.opendocument.spreadsheet-template";
}

// The package's stated media type; a package may do without one, and a reader with it.
void checkMimetype(const xlsx::ZipArchive& archive, const ReadLimits& limits) {
  const auto entry = archive.find("mimetype");
  if (!entry) return;
  auto source = archive.open(*entry, "mimetype", limits);
  std::string text(kMaxMimetypeBytes + 1, '\0');
  std::size_t got = 0;
  while (got < text.size()) {
    const std::size_t read = source->read(text.data() + got, text.size() - got);
    if (read == 0) break;
    got += read;
  }
  text.resize(got);
  const std::string_view type = trimmed(text);
  if (isSpreadsheetType(type)) return;
  if (type.substr(0, kOpenDocumentType.size()) == kOpenDocumentType) {
    throw WorkbookError(Kind::Unsupported, archive.file(),
                        "is an OpenDocument file but not a spreadsheet (its type is " +
                            std::string(type) +
                            "), so Quillmere cannot read it. Quillmere reads spreadsheets (.ods, "
                            ".xlsx, .xls) and .csv files.");
  }
  const bool printable =
      got <= kMaxMimetypeBytes &&
      std::all_of(type.begin(), type.end(), [](char c) { return c >= ' ' && c <= '~'; });
  throw WorkbookError(
      Kind::Unsupported, archive.file(),
      "is not a spreadsheet Quillmere can read: it is a zip archive whose "
      "mimetype entry says " +
          (printable ? "\"" + std::string(type) + "\"" : std::string("something unreadable")) +
          ", not that it is an OpenDocument spreadsheet.");
}

void checkNotEncrypted(const xlsx::ZipArchive& archive, const ReadLimits& limits) {
  const std::string manifestPart = "META-INF/manifest.xml";
  const auto entry = archive.find(manifestPart);
  if (!entry) return;
  OdsManifest manifest;
  xlsx::XmlStream stream(archive.file(), manifestPart, manifest);
  stream.reset(archive.open(*entry, manifestPart, limits));
  try {
    stream.parseAll();
  } catch (const WorkbookError& e) {
    // Spreadsheet programs open a package whose manifest is damaged; only a refusal for a
    // limit, such as an entity bomb, stops the reading.
    if (e.kind() != Kind::Corrupt) throw;
  }
  if (manifest.encrypted()) {
    throw WorkbookError(Kind::Encrypted, archive.file(),
                        "is protected by a password. Remove the password in your spreadsheet "
                        "program, save the file, then open it again.",
                        {.part = kContentPart});
  }
}

// How many tables the document says it has, when its meta.xml says so readably.
std::optional<std::size_t> statedTableCount(const xlsx::ZipArchive& archive,
                                            const ReadLimits& limits) {
  const std::string metaPart = "meta.xml";
  const auto entry = archive.find(metaPart);
  if (!entry) return std::nullopt;
  OdsMeta meta;
  xlsx::XmlStream stream(archive.file(), metaPart, meta);
  stream.reset(archive.open(*entry, metaPart, limits));
  try {
    stream.parseAll();
  } catch (const WorkbookError& e) {
    // The count only spares a pass over the content; without it the whole content is listed.
    if (e.kind() != Kind::Corrupt && e.kind() != Kind::LimitExceeded) throw;
    return std::nullopt;
  }
  return meta.tableCount();
}

struct TableChoice {
  std::vector<SheetEntry> sheets;
  std::size_t chosen = 0;
};

// Lists the tables of the content part and chooses the one to read, refusing a document that
// is no spreadsheet or has no table.
TableChoice chooseTable(const std::filesystem::path& file, const std::string& partName,
                        const OdsSheetReader::Opener& opener, std::size_t sheet,
                        std::optional<std::size_t> tableCount) {
  OdsSheetList list;
  // Listing stops at the last table the document has, so a one-sheet file is not read twice
  // whole before its rows are.
  if (tableCount) list.stopAfter(*tableCount);
  xlsx::XmlStream stream(file, partName, list);
  stream.reset(opener);
  while (stream.parse() && !list.complete()) {
  }
  if (!list.isSpreadsheet()) {
    const std::string kind = list.bodyKind().empty() ? "nothing" : list.bodyKind();
    throw WorkbookError(Kind::Unsupported, file,
                        "is an OpenDocument file but not a spreadsheet (its body holds " + kind +
                            "), so Quillmere cannot read it. Quillmere reads spreadsheets (.ods, "
                            ".xlsx, .xls) and .csv files.",
                        {.part = partName});
  }
  TableChoice choice{list.sheets(), 0};
  choice.chosen = chooseWorksheet(file, choice.sheets, sheet);
  if (choice.chosen == kFirstWorksheet) {
    throw WorkbookError(Kind::NoWorksheet, file,
                        "holds no sheet, so there are no contacts to read. Add a sheet in your "
                        "spreadsheet program and save the file again.",
                        {.part = partName});
  }
  return choice;
}

// The workbook on the chosen table, once the list of tables is known: its cursor starts
// reading as soon as it is made.
std::unique_ptr<Workbook> openOn(std::unique_ptr<xlsx::ZipArchive> archive,
                                 const std::filesystem::path& file, const std::string& partName,
                                 const OdsSheetReader::Opener& opener, const ReadLimits& limits,
                                 std::size_t sheet, std::optional<std::size_t> tableCount) {
  TableChoice choice = chooseTable(file, partName, opener, sheet, tableCount);
  auto opened = std::make_unique<OdsWorkbook>(std::move(archive), file, partName, opener,
                                              choice.chosen, limits);
  opened->listSheets(std::move(choice.sheets), choice.chosen);
  return opened;
}

OdsSheetReader::Opener readingAhead(xlsx::ZipPartOpener part) {
  return [part = std::move(part)] { return std::make_unique<xlsx::BytesAhead>(part()); };
}

}  // namespace

OdsWorkbook::OdsWorkbook(std::unique_ptr<xlsx::ZipArchive> archive,
                         const std::filesystem::path& file, const std::string& partName,
                         OdsSheetReader::Opener opener, std::size_t table, const ReadLimits& limits)
    : archive_(std::move(archive)), sheet_(file, partName, std::move(opener), table, limits) {}

bool isOpenDocumentPackage(const xlsx::ZipArchive& archive) {
  return archive.contains("mimetype") ||
         (archive.contains(kContentPart) && !archive.contains("[Content_Types].xml"));
}

std::unique_ptr<Workbook> openOdsWorkbook(std::unique_ptr<xlsx::ZipArchive> archive,
                                          const ReadLimits& limits, std::size_t sheet) {
  const std::filesystem::path file = archive->file();
  checkMimetype(*archive, limits);
  checkNotEncrypted(*archive, limits);
  const auto content = archive->find(kContentPart);
  if (!content) {
    throw damagedFile(file,
                      "it has no content.xml, the part of an OpenDocument file that holds its "
                      "sheets.",
                      {.part = kContentPart});
  }
  const OdsSheetReader::Opener opener =
      readingAhead(archive->partOpener(*content, kContentPart, limits));
  const auto tableCount = statedTableCount(*archive, limits);
  return openOn(std::move(archive), file, kContentPart, opener, limits, sheet, tableCount);
}

bool looksLikeFlatOds(std::string_view head) {
  return head.find("<office:document ") != std::string_view::npos ||
         head.find("<office:document>") != std::string_view::npos ||
         head.find("<office:document\n") != std::string_view::npos;
}

std::unique_ptr<Workbook> openFlatOdsWorkbook(const std::filesystem::path& path,
                                              const ReadLimits& limits, std::size_t sheet) {
  const std::uint64_t maxBytes = limits.maxFileBytes;
  const OdsSheetReader::Opener opener = [path, maxBytes] {
    return std::make_unique<xlsx::BytesAhead>(std::make_unique<FilePartSource>(path, maxBytes));
  };
  return openOn(nullptr, path, path.filename().string(), opener, limits, sheet, std::nullopt);
}

}  // namespace quillmere::source::ods
