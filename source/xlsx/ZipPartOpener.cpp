#include "source/xlsx/ZipPartOpener.h"

#include <cstring>

#include "source/WorkbookError.h"
#include "source/xlsx/ZipArchive.h"
#include "source/xlsx/ZipPartSource.h"

namespace quillmere::source::xlsx {

using Kind = WorkbookError::Kind;

ZipPartOpener::ZipPartOpener(std::filesystem::path file, std::uint64_t index, std::string partName,
                             const zip_stat_t& stat, std::uint64_t maxBytes)
    : file_(std::move(file)),
      index_(index),
      partName_(std::move(partName)),
      entryName_((stat.valid & ZIP_STAT_NAME) != 0 && stat.name != nullptr ? stat.name : ""),
      size_(stat.size),
      packedSize_((stat.valid & ZIP_STAT_COMP_SIZE) != 0 ? stat.comp_size : 0),
      crc_((stat.valid & ZIP_STAT_CRC) != 0 ? stat.crc : 0),
      maxBytes_(maxBytes) {}

std::unique_ptr<PartSource> ZipPartOpener::operator()() const {
  ZipArchive::Handle archive = ZipArchive::openHandle(file_);
  zip_stat_t stat;
  zip_stat_init(&stat);
  // The file may have been saved anew since it was opened: read on only if this is the entry
  // that was checked.
  if (zip_stat_index(archive.get(), index_, 0, &stat) != 0 || stat.size != size_ ||
      ((stat.valid & ZIP_STAT_COMP_SIZE) != 0 && stat.comp_size != packedSize_) ||
      ((stat.valid & ZIP_STAT_CRC) != 0 && stat.crc != crc_) || stat.name == nullptr ||
      entryName_ != stat.name) {
    throw WorkbookError(Kind::Corrupt, file_,
                        "changed while Quillmere was reading it: its part " + partName_ +
                            " is no longer the one it started with. Open it again once it is "
                            "saved.",
                        {.part = partName_});
  }
  zip_t* handle = archive.get();
  auto part = openOn(handle, archive.release());
  return part;
}

std::unique_ptr<PartSource> ZipPartOpener::openOn(zip_t* archive, zip_t* owned) const {
  ZipPartSource::ArchiveHandle keep(owned);
  ZipPartSource::Handle entry(zip_fopen_index(archive, index_, 0));
  if (!entry) {
    const int code = zip_error_code_zip(zip_get_error(archive));
    switch (code) {
      case ZIP_ER_NOPASSWD:
      case ZIP_ER_WRONGPASSWD:
      case ZIP_ER_ENCRNOTSUPP:
        throw WorkbookError(Kind::Encrypted, file_,
                            "is protected by a password. Remove the password in your "
                            "spreadsheet program, save the file, then open it again.",
                            {.part = partName_});
      case ZIP_ER_COMPNOTSUPP:
        throw WorkbookError(Kind::Unsupported, file_,
                            "was packed with a compression method Quillmere cannot unpack. Open "
                            "it in your spreadsheet program and save it as .xlsx again.",
                            {.part = partName_});
      default:
        throw WorkbookError(Kind::Corrupt, file_,
                            "is damaged: its part " + partName_ + " cannot be opened (" +
                                zip_strerror(archive) + ").",
                            {.part = partName_});
    }
  }
  return std::make_unique<ZipPartSource>(file_, partName_, std::move(keep), std::move(entry), size_,
                                         maxBytes_);
}

}  // namespace quillmere::source::xlsx
