#include "source/ods/OdsSheetList.h"

#include "source/ods/OdsElements.h"

namespace quillmere::source::ods {

void OdsSheetList::beginReplay() {
  sheets_.clear();
  hiddenStyles_.clear();
  styleName_.clear();
  bodyKind_.clear();
  depth_ = stylesDepth_ = tableStyleDepth_ = bodyDepth_ = spreadsheetDepth_ = 0;
  spreadsheet_ = false;
}

void OdsSheetList::startElement(std::string_view name, const char** attributes) {
  ++depth_;
  if (depth_ == 1) {
    if (name != "document-content" && name != "document") {
      failDamaged("its content.xml is not the content of an OpenDocument file (it starts with <" +
                  std::string(name) + ">).");
    }
  } else if (spreadsheetDepth_ != 0) {
    if (depth_ == spreadsheetDepth_ + 1 && name == "table") {
      const auto sheetName = attribute(attributes, "name");
      const auto style = attribute(attributes, "style-name");
      sheets_.push_back({std::string(sheetName.value_or("")), SheetKind::Worksheet,
                         style && hiddenStyles_.count(std::string(*style)) != 0});
      if (sheets_.size() == stopAfter_) pause();
    }
  } else if (bodyDepth_ != 0) {
    if (depth_ == bodyDepth_ + 1 && bodyKind_.empty()) {
      bodyKind_ = name;
      if (name == "spreadsheet") {
        spreadsheet_ = true;
        spreadsheetDepth_ = depth_;
      }
    }
  } else if (depth_ == 2 && name == "body") {
    bodyDepth_ = depth_;
  } else if (depth_ == 2 && name == "automatic-styles") {
    stylesDepth_ = depth_;
  } else if (stylesDepth_ != 0 && depth_ == stylesDepth_ + 1 && name == "style") {
    if (attribute(attributes, "family") == "table") {
      tableStyleDepth_ = depth_;
      styleName_ = attribute(attributes, "name").value_or("");
    }
  } else if (tableStyleDepth_ != 0 && name == "table-properties") {
    if (attribute(attributes, "display") == "false") hiddenStyles_.insert(styleName_);
  }
}

std::size_t OdsSheetList::takeElement(char* begin, const char* end) {
  if (spreadsheetDepth_ == 0 || depth_ <= spreadsheetDepth_ || failed()) return 0;
  return rowElementBytes(begin, end);
}

void OdsSheetList::endElement(std::string_view) {
  if (depth_ == tableStyleDepth_) {
    tableStyleDepth_ = 0;
  } else if (depth_ == stylesDepth_) {
    stylesDepth_ = 0;
  } else if (depth_ == spreadsheetDepth_) {
    spreadsheetDepth_ = 0;
  } else if (depth_ == bodyDepth_) {
    bodyDepth_ = 0;
  }
  --depth_;
}

}  // namespace quillmere::source::ods
