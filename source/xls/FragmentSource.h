#pragma once

#include <string_view>

namespace quillmere::source::xls {

// Where the data of the CONTINUE records after a record comes from: the record cursor, which
// reads them as they are needed, or a list in memory.
class FragmentSource {
 public:
  virtual ~FragmentSource() = default;

  // The data of the next CONTINUE record, moving past it; false when no CONTINUE follows.
  // The data stays valid until the next call.
  virtual bool nextFragment(std::string_view& data) = 0;
};

}  // namespace quillmere::source::xls
