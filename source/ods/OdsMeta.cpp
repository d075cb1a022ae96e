#include "source/ods/OdsMeta.h"

#include <charconv>

namespace quillmere::source::ods {

void OdsMeta::startElement(std::string_view name, const char** attributes) {
  if (name != "document-statistic") return;
  const auto count = attribute(attributes, "table-count");
  if (!count) return;
  std::size_t value = 0;
  const auto result = std::from_chars(count->data(), count->data() + count->size(), value);
  if (result.ec == std::errc{} && result.ptr == count->data() + count->size() && value > 0) {
    tableCount_ = value;
  }
}

}  // namespace quillmere::source::ods
