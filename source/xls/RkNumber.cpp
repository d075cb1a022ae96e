#include "source/xls/RkNumber.h"

#include <bit>

namespace quillmere::source::xls {

double decodeRk(std::uint32_t rk) {
  const bool dividedBy100 = (rk & 1U) != 0;
  const bool isInteger = (rk & 2U) != 0;
  double value = 0.0;
  if (isInteger) {
    // The integer sits in the top 30 bits, signed; the shift on int32 keeps the sign.
    value = static_cast<double>(std::bit_cast<std::int32_t>(rk) >> 2);
  } else {
    value = std::bit_cast<double>(static_cast<std::uint64_t>(rk & ~std::uint32_t{3}) << 32);
  }
  return dividedBy100 ? value / 100.0 : value;
}

}  // namespace quillmere::source::xls
