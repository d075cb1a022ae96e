#include "source/ReadLimits.h"

namespace quillmere::source {

std::string rowTextPastLimit(std::uint32_t row, std::size_t limit) {
  return "has a row (row " + std::to_string(row) + ") whose cells hold more than " +
         std::to_string(limit) + " bytes of text together, the most Quillmere reads for one row.";
}

std::string sharedStringsPastLimit(std::uint64_t limit) {
  return "holds more than " + std::to_string(limit) + " shared strings, the most Quillmere reads.";
}

std::string repeatsPastLimit(std::uint64_t limit) {
  return "repeats its cells so often that they come to more than " + std::to_string(limit) +
         " cells beyond those written out, more than Quillmere reads for one sheet.";
}

}  // namespace quillmere::source
