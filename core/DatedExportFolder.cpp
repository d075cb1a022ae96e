#include "core/DatedExportFolder.h"

namespace quillmere::core {

std::string datedExportFolder(std::string_view base, const LocalTime& at) {
  std::string folder(base);
  folder += "/Quillmere_";
  bool first = true;
  for (const int part : {at.day, at.month, at.year, at.hour, at.minute, at.second}) {
    if (!first) folder += '_';
    first = false;
    folder += std::to_string(part);
  }
  return folder;
}

}  // namespace quillmere::core
