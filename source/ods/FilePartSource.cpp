#include "source/ods/FilePartSource.h"

#include <string>

#include "source/WorkbookError.h"

namespace quillmere::source::ods {

FilePartSource::FilePartSource(const std::filesystem::path& file, std::uint64_t maxBytes)
    : file_(file) {
  if (file_.size() > maxBytes) {
    throw WorkbookError(WorkbookError::Kind::LimitExceeded, file,
                        "is " + std::to_string(file_.size()) + " bytes long, more than the " +
                            std::to_string(maxBytes) +
                            " bytes Quillmere reads of a flat OpenDocument file.");
  }
}

}  // namespace quillmere::source::ods
