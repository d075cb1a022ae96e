#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace quillmere::source::xls {

// The damage messages share one wording; `detail` says in plain words what is broken.
[[noreturn]] void throwDamaged(const std::filesystem::path& file, const std::string& detail);

// The workbook data ends where `detail` says; `shortfall` is why the stream is short of its
// stated size (empty when it is not), which is then the likelier cause.
[[noreturn]] void throwDataEnds(const std::filesystem::path& file, const std::string& detail,
                                const std::string& shortfall);

// 8-bit text in a code page that Quillmere cannot decode.
[[noreturn]] void throwUnknownCodePage(const std::filesystem::path& file, std::uint16_t codePage);

// One cell's text passed limits.maxCellTextBytes.
[[noreturn]] void throwCellTextTooLong(const std::filesystem::path& file, std::size_t bytes,
                                       std::size_t limit);

// A row whose cells' texts together pass the limit, counted as each cell record comes.
[[noreturn]] void throwRowTextTooLong(const std::filesystem::path& file, std::uint32_t row,
                                      std::size_t limit);

[[noreturn]] void throwEncrypted(const std::filesystem::path& file);

[[noreturn]] void throwUnsupported(const std::filesystem::path& file, const std::string& detail);

}  // namespace quillmere::source::xls
