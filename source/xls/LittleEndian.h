#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace quillmere::source::xls {

// Little-endian reads from raw bytes. Callers check the bounds first: these never do.
inline std::uint8_t byteAt(std::string_view data, std::size_t offset) {
  return static_cast<std::uint8_t>(data[offset]);
}

inline std::uint16_t u16At(std::string_view data, std::size_t offset) {
  return static_cast<std::uint16_t>(byteAt(data, offset) | byteAt(data, offset + 1) << 8);
}

inline std::uint32_t u32At(std::string_view data, std::size_t offset) {
  return static_cast<std::uint32_t>(u16At(data, offset)) |
         static_cast<std::uint32_t>(u16At(data, offset + 2)) << 16;
}

inline std::uint64_t u64At(std::string_view data, std::size_t offset) {
  return static_cast<std::uint64_t>(u32At(data, offset)) |
         static_cast<std::uint64_t>(u32At(data, offset + 4)) << 32;
}

inline double f64At(std::string_view data, std::size_t offset) {
  return std::bit_cast<double>(u64At(data, offset));
}

}  // namespace quillmere::source::xls
