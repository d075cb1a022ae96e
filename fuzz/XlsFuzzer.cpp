// Any bytes, saved as a file, go through openWorkbook and the first sheet's row cursor; .xls
// seeds keep most inputs in the compound-file and BIFF readers. Anything but a WorkbookError
// is a fault.
#include <cstddef>
#include <cstdint>

#include "fuzz/ScratchFile.h"
#include "fuzz/WorkbookReading.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static quillmere::fuzz::ScratchFile scratch(".xls");
  quillmere::fuzz::readEveryCell(scratch.write(data, size), quillmere::fuzz::fuzzLimits());
  return 0;
}
