#include "core/CsvField.h"

namespace quillmere::core {

void appendCsvField(std::string& line, std::string_view field) {
  if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
    line += field;
    return;
  }
  line += '"';
  for (const char c : field) {
    if (c == '"') line += '"';
    line += c;
  }
  line += '"';
}

}  // namespace quillmere::core
