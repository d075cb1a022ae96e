#pragma once

#include <filesystem>
#include <string>

namespace quillmere::core {

// A file or folder as messages name it: in double quotes. Appended rather than
// "\"" + path + "\"", which GCC 12 at -O3 warns about falsely.
inline std::string quotedPath(const std::filesystem::path& path) {
  std::string text = "\"";
  text += path.string();
  text += '"';
  return text;
}

}  // namespace quillmere::core
