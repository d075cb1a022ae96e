#include "source/xlsx/XlsxWorkbook.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "source/DamagedFile.h"
#include "source/WorkbookError.h"
#include "source/xlsx/BytesAhead.h"
#include "source/xlsx/PartPath.h"
#include "source/xlsx/Relationships.h"
#include "source/xlsx/WorkbookPart.h"
#include "source/xlsx/XlsxStyles.h"
#include "source/xlsx/XmlStream.h"
#include "source/xlsx/ZipArchive.h"

namespace quillmere::source::xlsx {

namespace {

using Kind = WorkbookError::Kind;

SheetKind sheetKindOf(const Relationships::Entry& entry) {
  if (Relationships::isKind(entry, "worksheet")) return SheetKind::Worksheet;
  if (Relationships::isKind(entry, "chartsheet")) return SheetKind::Chart;
  if (Relationships::isKind(entry, "dialogsheet")) return SheetKind::Dialog;
  if (Relationships::isKind(entry, "xlMacrosheet") ||
      Relationships::isKind(entry, "xlIntlMacrosheet")) {
    return SheetKind::Macro;
  }
  return SheetKind::Other;
}

XlsxSheetReader::Opener inflatingAhead(ZipPartOpener part) {
  return [part = std::move(part)] { return std::make_unique<BytesAhead>(part()); };
}

std::unique_ptr<XlsxSharedStringsLoader> startLoading(XlsxSharedStrings& strings,
                                                      const ZipArchive& archive,
                                                      std::optional<ZipPartOpener> part) {
  if (!part) return nullptr;
  return std::make_unique<XlsxSharedStringsLoader>(strings, archive.file(), std::move(*part));
}

[[noreturn]] void throwBinaryWorkbook(const std::filesystem::path& file) {
  throw WorkbookError(Kind::Unsupported, file,
                      "is an Excel Binary Workbook (.xlsb), which Quillmere cannot read. Open it "
                      "in your spreadsheet program, save it as an Excel Workbook (.xlsx) and "
                      "open that file.");
}

[[noreturn]] void throwNotSpreadsheet(const ZipArchive& archive) {
  if (archive.contains("xl/workbook.bin")) throwBinaryWorkbook(archive.file());
  throw WorkbookError(Kind::Unsupported, archive.file(),
                      "is not a spreadsheet Quillmere can read: it is a zip archive without the "
                      "parts of an Excel workbook.");
}

// Parses a whole part into `handler`; false when the archive has no such part.
bool parsePart(const ZipArchive& archive, const std::string& part, XmlHandler& handler,
               const ReadLimits& limits) {
  const auto entry = archive.find(part);
  if (!entry) return false;
  XmlStream stream(archive.file(), part, handler);
  stream.reset(archive.open(*entry, part, limits));
  stream.parseAll();
  return true;
}

std::string officeDocumentPart(const ZipArchive& archive, const ReadLimits& limits) {
  Relationships packageRelationships("");
  if (!parsePart(archive, "_rels/.rels", packageRelationships, limits)) {
    throwNotSpreadsheet(archive);
  }
  const auto* document = packageRelationships.byKind("officeDocument");
  if (document == nullptr) throwNotSpreadsheet(archive);
  const std::string& part = document->target;
  if (part.size() >= 4 && partKey(part.substr(part.size() - 4)) == ".bin") {
    throwBinaryWorkbook(archive.file());
  }
  return part;
}

}  // namespace

XlsxWorkbook::XlsxWorkbook(std::unique_ptr<ZipArchive> archive,
                           std::optional<ZipPartOpener> stringsPart,
                           std::unique_ptr<CellFormats> formats, const ChosenSheet& sheet,
                           const ReadLimits& limits)
    : archive_(std::move(archive)),
      strings_(limits),
      loader_(startLoading(strings_, *archive_, std::move(stringsPart))),
      formats_(std::move(formats)),
      sheet_(archive_->file(), sheet.partName,
             inflatingAhead(archive_->partOpener(sheet.entry, sheet.partName, limits)), strings_,
             limits, sheet.date1904) {
  sheet_.setCellFormats(*formats_);
}

std::unique_ptr<Workbook> openXlsxWorkbook(const std::filesystem::path& path,
                                           const ReadLimits& limits, std::size_t sheet) {
  return openXlsxWorkbook(std::make_unique<ZipArchive>(path), limits, sheet);
}

std::unique_ptr<Workbook> openXlsxWorkbook(std::unique_ptr<ZipArchive> archive,
                                           const ReadLimits& limits, std::size_t sheet) {
  const std::filesystem::path path = archive->file();
  const std::string workbookName = officeDocumentPart(*archive, limits);

  WorkbookPart workbook;
  if (!parsePart(*archive, workbookName, workbook, limits)) {
    throw damagedFile(path, "its workbook part (" + workbookName + ") is missing from the archive.",
                      {.part = workbookName});
  }
  if (!workbook.isWorkbook()) {
    throw WorkbookError(Kind::Unsupported, path,
                        "is an Office document but not a spreadsheet, so Quillmere cannot read "
                        "it. Quillmere reads Excel workbooks (.xlsx, .xls) and .csv files.");
  }
  if (workbook.sheets().empty()) {
    throw WorkbookError(Kind::NoWorksheet, path,
                        "holds no worksheet, so there are no contacts to read. Add a worksheet "
                        "in your spreadsheet program and save the file again.");
  }

  Relationships relationships(workbookName);
  const std::string relationshipsName = relationshipsPartOf(workbookName);
  if (!parsePart(*archive, relationshipsName, relationships, limits)) {
    throw damagedFile(
        path,
        "the list of its sheets' parts (" + relationshipsName + ") is missing from the archive.",
        {.part = relationshipsName});
  }

  // Every sheet in tab order with its kind; only a worksheet holds cells. A sheet whose part
  // is not listed is offered as nothing to read; it is damage only when it would be read.
  std::vector<SheetEntry> entries;
  std::vector<const Relationships::Entry*> targets;
  for (const auto& listed : workbook.sheets()) {
    const auto* entry = relationships.byId(listed.relationshipId);
    if (entry != nullptr && entry->target.empty()) entry = nullptr;
    entries.push_back(
        {listed.name, entry != nullptr ? sheetKindOf(*entry) : SheetKind::Other, listed.hidden});
    targets.push_back(entry);
  }
  const auto unlisted = [&](std::size_t index) {
    return damagedFile(path,
                       "the part of its sheet \"" + entries[index].name + "\" is not listed in " +
                           relationshipsName + ".",
                       {.part = relationshipsName});
  };
  if (sheet != kFirstWorksheet && sheet < targets.size() && targets[sheet] == nullptr) {
    throw unlisted(sheet);
  }
  const std::size_t chosen = chooseWorksheet(path, entries, sheet);
  // Looking for the first worksheet, an unlisted sheet before it may have been the one.
  for (std::size_t i = 0; sheet == kFirstWorksheet && i < std::min(chosen, targets.size()); ++i) {
    if (targets[i] == nullptr) throw unlisted(i);
  }
  if (chosen == kFirstWorksheet) {
    throw WorkbookError(Kind::NoWorksheet, path,
                        "holds only chart sheets and no worksheet, so there are no contacts to "
                        "read.");
  }
  const Relationships::Entry* sheetEntry = targets[chosen];
  const auto sheetIndex = archive->find(sheetEntry->target);
  if (!sheetIndex) {
    throw damagedFile(path,
                      "its worksheet (" + sheetEntry->target + ") is missing from the archive.",
                      {.part = sheetEntry->target});
  }

  // The strings are checked against the limits here and read on while the sheet is.
  std::optional<ZipPartOpener> stringsPart;
  if (const auto* stringsEntry = relationships.byKind("sharedStrings")) {
    const auto stringsIndex = archive->find(stringsEntry->target);
    if (!stringsIndex) {
      throw damagedFile(
          path, "its shared strings (" + stringsEntry->target + ") are missing from the archive.",
          {.part = stringsEntry->target});
    }
    stringsPart = archive->partOpener(*stringsIndex, stringsEntry->target, limits);
  }

  // A workbook without a styles part shows every number in General.
  XlsxStyles styles;
  if (const auto* stylesEntry = relationships.byKind("styles")) {
    if (!parsePart(*archive, stylesEntry->target, styles, limits)) {
      throw damagedFile(path,
                        "its styles (" + stylesEntry->target + ") are missing from the archive.",
                        {.part = stylesEntry->target});
    }
  }

  const XlsxWorkbook::ChosenSheet chosenSheet{sheetEntry->target, *sheetIndex, workbook.date1904()};
  auto opened = std::make_unique<XlsxWorkbook>(
      std::move(archive), std::move(stringsPart),
      std::make_unique<CellFormats>(styles.take(chosenSheet.date1904)), chosenSheet, limits);
  opened->listSheets(std::move(entries), chosen);
  return opened;
}

}  // namespace quillmere::source::xlsx
