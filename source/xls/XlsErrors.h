#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace quillmere::source::xls {

// The damage messages share one wording; `detail` says in plain words what is broken.
[[noreturn]] void throwDamaged(const std::filesystem::path& file, const std::string& detail);

// One cell's text passed limits.maxCellTextBytes.
[[noreturn]] void throwCellTextTooLong(const std::filesystem::path& file, std::size_t bytes,
                                       std::size_t limit);

[[noreturn]] void throwEncrypted(const std::filesystem::path& file);

[[noreturn]] void throwUnsupported(const std::filesystem::path& file, const std::string& detail);

}  // namespace quillmere::source::xls
