#include "source/xls/XlsWorkbook.h"

#include <fstream>
#include <string>
#include <system_error>

#include "source/WorkbookError.h"
#include "source/xls/BiffWorkbook.h"
#include "source/xls/CompoundFile.h"
#include "source/xls/XlsErrors.h"

namespace quillmere::source::xls {

namespace {

using Kind = WorkbookError::Kind;

std::string readWholeFile(const std::filesystem::path& path, const ReadLimits& limits) {
  std::error_code ec;
  const std::uintmax_t size = std::filesystem::file_size(path, ec);
  if (ec) throw WorkbookError(Kind::Unreadable, path, "could not be read from the disk.");
  if (size > limits.maxFileBytes) {
    throw WorkbookError(Kind::LimitExceeded, path,
                        "is " + std::to_string(size) + " bytes long, more than the " +
                            std::to_string(limits.maxFileBytes) +
                            " bytes Quillmere reads from an .xls file.");
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    throw WorkbookError(Kind::Unreadable, path,
                        "cannot be opened. Check that you may read it and that no other "
                        "program holds it locked.");
  }
  std::string bytes(static_cast<std::size_t>(size), '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (in.bad() || static_cast<std::uintmax_t>(in.gcount()) != size) {
    throw WorkbookError(Kind::Unreadable, path, "could not be read from the disk.");
  }
  return bytes;
}

// The workbook stream inside a compound file.
std::string workbookStream(const std::filesystem::path& path, const std::string& bytes) {
  const CompoundFile container(path, bytes);
  if (container.findRootEntry("EncryptionInfo") || container.findRootEntry("EncryptedPackage")) {
    throwEncrypted(path);
  }
  // Excel 97 and later write "Workbook"; Excel 5 and 95 wrote "Book". Files that carry
  // both keep the newer one in "Workbook".
  for (const char* name : {"Workbook", "Book"}) {
    if (const CompoundFile::Entry* entry = container.findRootEntry(name)) {
      return container.readStream(*entry);
    }
  }
  throwUnsupported(path, "it holds no workbook; it may be a document of another program");
}

}  // namespace

std::unique_ptr<Workbook> openXls(const std::filesystem::path& path, const ReadLimits& limits) {
  std::string bytes = readWholeFile(path, limits);
  if (bytes.starts_with(CompoundFile::kSignature)) bytes = workbookStream(path, bytes);
  return std::make_unique<BiffWorkbook>(path, std::move(bytes), limits);
}

}  // namespace quillmere::source::xls
