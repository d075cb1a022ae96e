#include "source/xlsx/WorkbookPart.h"

namespace quillmere::source::xlsx {

void WorkbookPart::startElement(std::string_view name, const char** attributes) {
  ++depth_;
  if (depth_ == 1) {
    isWorkbook_ = name == "workbook";
  } else if (depth_ == 2 && name == "sheets") {
    inSheets_ = true;
  } else if (depth_ == 2 && name == "workbookPr") {
    const auto value = attribute(attributes, "date1904").value_or("");
    date1904_ = value == "1" || value == "true";
  } else if (depth_ == 3 && inSheets_ && name == "sheet") {
    // The relationship id is the one attribute named "id"; its prefix varies by writer.
    const auto state = attribute(attributes, "state").value_or("visible");
    sheets_.push_back({std::string(attribute(attributes, "name").value_or("")),
                       std::string(attribute(attributes, "id").value_or("")),
                       state == "hidden" || state == "veryHidden"});
  }
}

void WorkbookPart::endElement(std::string_view name) {
  if (depth_ == 2 && name == "sheets") inSheets_ = false;
  --depth_;
}

}  // namespace quillmere::source::xlsx
