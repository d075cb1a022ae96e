#pragma once

#include <cstdint>

namespace quillmere::source::xls {

// Decodes an RK value: a 30-bit integer or the top 30 bits of a double, either one
// optionally to be divided by 100.
double decodeRk(std::uint32_t rk);

}  // namespace quillmere::source::xls
