#include "source/Workbook.h"

#include <cerrno>
#include <string>
#include <string_view>
#include <system_error>

#include "source/InputFile.h"
#include "source/WorkbookError.h"
#include "source/csv/CsvWorkbook.h"
#include "source/ods/OdsWorkbook.h"
#include "source/xls/XlsWorkbook.h"
#include "source/xlsx/XlsxWorkbook.h"

namespace quillmere::source {

namespace {

using Kind = WorkbookError::Kind;

constexpr std::size_t kSniffBytes = 4096;

bool startsWith(std::string_view data, std::string_view prefix) {
  return data.substr(0, prefix.size()) == prefix;
}

// A BIFF2-4 worksheet file has no compound-file wrapper and starts with its BOF record.
bool looksLikeBareBiff(std::string_view head) {
  if (head.size() < 4) return false;
  const auto type = static_cast<unsigned char>(head[0]) | static_cast<unsigned char>(head[1]) << 8;
  const auto length = static_cast<unsigned char>(head[2]) | static_cast<unsigned char>(head[3])
                                                                << 8;
  return (type == 0x0009 || type == 0x0209 || type == 0x0409 || type == 0x0809) && length >= 4 &&
         length <= 32;
}

bool looksLikeMarkup(std::string_view head) {
  if (startsWith(head, "\xEF\xBB\xBF")) head.remove_prefix(3);
  while (!head.empty() && (head.front() == ' ' || head.front() == '\t' || head.front() == '\r' ||
                           head.front() == '\n')) {
    head.remove_prefix(1);
  }
  if (head.empty() || head.front() != '<') return false;
  std::string lowered(head.substr(0, 512));
  for (auto& c : lowered) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return startsWith(lowered, "<!doctype") || startsWith(lowered, "<html") ||
         startsWith(lowered, "<?xml") || startsWith(lowered, "<table") ||
         lowered.find("<html") != std::string::npos;
}

std::string readHead(const std::filesystem::path& path) {
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (ec || !std::filesystem::exists(status)) {
    throw WorkbookError(Kind::NotFound, path, "does not exist. Check the name and the folder.",
                        {.errorNumber = ec ? ec.value() : ENOENT});
  }
  if (std::filesystem::is_directory(status)) {
    throw WorkbookError(Kind::Unreadable, path, "is a folder, not a spreadsheet file.");
  }
  InputFile file(path);
  std::string head(kSniffBytes, '\0');
  head.resize(file.read(head.data(), head.size()));
  return head;
}

}  // namespace

std::unique_ptr<Workbook> openWorkbook(const std::filesystem::path& path, const ReadLimits& limits,
                                       std::size_t sheet) {
  const std::string head = readHead(path);
  if (head.empty()) {
    throw WorkbookError(Kind::EmptyFile, path, "is empty (0 bytes): there is nothing to read.");
  }
  if (startsWith(head, "PK\x03\x04") || startsWith(head, "PK\x05\x06")) {
    auto archive = std::make_unique<xlsx::ZipArchive>(path);
    if (ods::isOpenDocumentPackage(*archive)) {
      return ods::openOdsWorkbook(std::move(archive), limits, sheet);
    }
    return xlsx::openXlsxWorkbook(std::move(archive), limits, sheet);
  }
  if (startsWith(head, "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1") || looksLikeBareBiff(head)) {
    return xls::openXlsWorkbook(path, limits, sheet);
  }
  if (looksLikeMarkup(head)) {
    if (ods::looksLikeFlatOds(head)) return ods::openFlatOdsWorkbook(path, limits, sheet);
    throw WorkbookError(Kind::Unsupported, path,
                        "is a web page or XML file saved under a spreadsheet name, not a "
                        "spreadsheet Quillmere can read. Open it in your spreadsheet program "
                        "and save it as .xlsx or .csv.");
  }
  // The text reader tells UTF-16 from binary data and refuses a NUL byte wherever it is.
  auto text = csv::openCsvWorkbook(path, limits);
  chooseWorksheet(path, text->sheets(), sheet);
  return text;
}

}  // namespace quillmere::source
