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
      crc_((stat.valid & ZIP_STAT_CRC) != 0 ? std::optional<std::uint32_t>(stat.crc)
                                            : std::nullopt),
      plainDeflate_(
          (stat.valid & ZIP_STAT_COMP_METHOD) != 0 && stat.comp_method == ZIP_CM_DEFLATE &&
          (stat.valid & ZIP_STAT_ENCRYPTION_METHOD) != 0 && stat.encryption_method == ZIP_EM_NONE),
      maxBytes_(maxBytes) {}

std::unique_ptr<PartSource> ZipPartOpener::operator()() const {
  ZipArchive::Handle archive = ZipArchive::openHandle(file_);
  zip_stat_t stat;
  zip_stat_init(&stat);
  // The file may have been saved anew since it was opened: read on only if this is the entry
  // that was checked.
  if (zip_stat_index(archive.get(), index_, 0, &stat) != 0 || stat.size != size_ ||
      ((stat.valid & ZIP_STAT_COMP_SIZE) != 0 && stat.comp_size != packedSize_) ||
      ((stat.valid & ZIP_STAT_CRC) != 0 && stat.crc != crc_.value_or(stat.crc)) ||
      stat.name == nullptr || entryName_ != stat.name) {
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
  ZipPartSource::Place place{.on = archive,
                             .owned = ZipPartSource::ArchiveHandle(owned),
                             .index = index_,
                             .statedSize = size_,
                             .crc = crc_};
#if QUILLMERE_HAVE_ISAL
  if (plainDeflate_ && inflater_ == Inflater::Fastest) {
    // Should libzip not hand out the raw data, it inflates the entry itself.
    if (IsalInflater::RawEntry raw{zip_fopen_index(archive, index_, ZIP_FL_COMPRESSED)}) {
      return std::make_unique<ZipPartSource>(file_, partName_, std::move(place),
                                             std::make_unique<IsalInflater>(std::move(raw)),
                                             maxBytes_);
    }
  }
#endif
  ZipPartSource::Handle entry = ZipPartSource::openInflated(file_, partName_, archive, index_);
  return std::make_unique<ZipPartSource>(file_, partName_, std::move(place), std::move(entry),
                                         maxBytes_);
}

}  // namespace quillmere::source::xlsx
