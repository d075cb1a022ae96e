#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>

namespace quillmere::source::numfmt {

// One row of a formatting table: a code, a stored number and the text a spreadsheet shows.
struct FormatCase {
  const char* name;
  std::string_view code;
  double value;
  std::string_view shown;
};

inline std::string formatCaseName(const ::testing::TestParamInfo<FormatCase>& info) {
  return info.param.name;
}

inline void PrintTo(const FormatCase& c, std::ostream* os) {
  *os << '"' << c.code << "\" with " << c.value;
}

}  // namespace quillmere::source::numfmt
