#include "source/xls/XlsErrors.h"

#include "source/DamagedFile.h"
#include "source/ReadLimits.h"
#include "source/WorkbookError.h"

namespace quillmere::source::xls {

using Kind = WorkbookError::Kind;

void throwDamaged(const std::filesystem::path& file, const std::string& detail) {
  throw damagedFile(file, detail, {}, Damage::SaveAgain);
}

void throwDataEnds(const std::filesystem::path& file, const std::string& detail,
                   const std::string& shortfall) {
  throwDamaged(file, shortfall.empty() ? detail : detail + "; " + shortfall);
}

void throwUnknownCodePage(const std::filesystem::path& file, std::uint16_t codePage) {
  throw WorkbookError(Kind::Unsupported, file,
                      "is written in code page " + std::to_string(codePage) +
                          ", which Quillmere cannot decode. Open it in your spreadsheet program "
                          "and save it as .xlsx.");
}

void throwCellTextTooLong(const std::filesystem::path& file, std::size_t bytes, std::size_t limit) {
  throw WorkbookError(Kind::LimitExceeded, file,
                      "holds a cell text of " + std::to_string(bytes) + " bytes, more than the " +
                          std::to_string(limit) + " bytes Quillmere reads in one cell.");
}

void throwRowTextTooLong(const std::filesystem::path& file, std::uint32_t row, std::size_t limit) {
  throw WorkbookError(Kind::LimitExceeded, file, rowTextPastLimit(row, limit));
}

void throwEncrypted(const std::filesystem::path& file) {
  throw WorkbookError(Kind::Encrypted, file,
                      "is protected by a password. Remove the password in your spreadsheet "
                      "program, save the file, then open it again.");
}

void throwUnsupported(const std::filesystem::path& file, const std::string& detail) {
  throw WorkbookError(Kind::Unsupported, file,
                      "is not a spreadsheet Quillmere can read (" + detail +
                          "). Open it in your spreadsheet program and save it as .xlsx or .xls.");
}

}  // namespace quillmere::source::xls
