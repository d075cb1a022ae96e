// Parses arbitrary bytes as a number format code and shows a number through it. The first
// eight bytes are the number, the ninth picks the date system, the rest is the code. A crash,
// or a code read as General that shows anything but the text form, is a fault.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "source/CellTextForm.h"
#include "source/numfmt/NumberFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  constexpr std::size_t kHeader = sizeof(double) + 1;
  if (size < kHeader) return 0;
  double value = 0.0;
  std::memcpy(&value, data, sizeof value);
  const bool date1904 = (data[sizeof(double)] & 1) != 0;
  const std::string_view code(reinterpret_cast<const char*>(data + kHeader), size - kHeader);

  using quillmere::source::numfmt::NumberFormat;
  const NumberFormat format = NumberFormat::parse(code);
  const std::string shown = format.display(value, date1904);
  if (format.isGeneral() && shown != quillmere::source::formatNumber(value)) std::abort();
  static_cast<void>(format.displayText(code));
  return 0;
}
