#include "source/xls/XlsWorkbook.h"

#include <memory>
#include <string>

#include "source/WorkbookError.h"
#include "source/xls/BiffWorkbook.h"
#include "source/xls/CompoundFile.h"
#include "source/xls/RandomAccessFile.h"
#include "source/xls/WorkbookStream.h"
#include "source/xls/XlsErrors.h"

namespace quillmere::source::xls {

namespace {

using Kind = WorkbookError::Kind;

// The workbook stream inside a compound file.
WorkbookStream workbookStream(const std::shared_ptr<const RandomAccessFile>& file) {
  const CompoundFile container(file);
  if (container.findRootEntry("EncryptionInfo") || container.findRootEntry("EncryptedPackage")) {
    throwEncrypted(file->path());
  }
  // Excel 97 and later write "Workbook"; Excel 5 and 95 wrote "Book". Files that carry
  // both keep the newer one in "Workbook".
  for (const char* name : {"Workbook", "Book"}) {
    if (const CompoundFile::Entry* entry = container.findRootEntry(name)) {
      return container.openStream(*entry);
    }
  }
  throwUnsupported(file->path(), "it holds no workbook; it may be a document of another program");
}

}  // namespace

std::unique_ptr<Workbook> openXls(const std::filesystem::path& path, const ReadLimits& limits) {
  auto file = std::make_shared<const RandomAccessFile>(path);
  if (file->size() > limits.maxFileBytes) {
    throw WorkbookError(Kind::LimitExceeded, path,
                        "is " + std::to_string(file->size()) + " bytes long, more than the " +
                            std::to_string(limits.maxFileBytes) +
                            " bytes Quillmere reads from an .xls file.");
  }
  char signature[CompoundFile::kSignature.size()] = {};
  const bool compound = file->readAt(0, signature, sizeof signature) == sizeof signature &&
                        std::string_view(signature, sizeof signature) == CompoundFile::kSignature;
  return std::make_unique<BiffWorkbook>(
      path, compound ? workbookStream(file) : WorkbookStream::wholeFile(file), limits);
}

}  // namespace quillmere::source::xls
