#pragma once

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "source/SheetList.h"
#include "source/xlsx/XmlHandler.h"

namespace quillmere::source::ods {

// Reads an OpenDocument content part for its tables in tab order, each hidden when its
// automatic style says table:display="false", and for what kind of document it is.
class OdsSheetList : public xlsx::XmlHandler {
 public:
  OdsSheetList() { takeElements(); }
  // Pauses the parse once `count` tables are listed: the document says it has no more.
  void stopAfter(std::size_t count) { stopAfter_ = count; }
  // Whether every table the document said it has is listed.
  bool complete() const { return stopAfter_ != 0 && sheets_.size() >= stopAfter_; }

  const std::vector<SheetEntry>& sheets() const { return sheets_; }
  // Whether the body is a spreadsheet (office:spreadsheet), not a text or a drawing.
  bool isSpreadsheet() const { return spreadsheet_; }
  // The body's kind ("text", "drawing", ...), the first element in office:body.
  const std::string& bodyKind() const { return bodyKind_; }

  void startElement(std::string_view name, const char** attributes) override;
  void endElement(std::string_view name) override;
  void text(std::string_view) override {}
  void beginReplay() override;
  // Passes over each row of a table whole: only the tables' names matter here.
  std::size_t takeElement(char* begin, const char* end) override;

 private:
  std::vector<SheetEntry> sheets_;
  std::unordered_set<std::string> hiddenStyles_;
  std::string styleName_;  // the table style being read
  std::string bodyKind_;
  int depth_ = 0;
  int stylesDepth_ = 0;
  int tableStyleDepth_ = 0;
  int bodyDepth_ = 0;
  int spreadsheetDepth_ = 0;
  bool spreadsheet_ = false;
  std::size_t stopAfter_ = 0;  // none when 0
};

}  // namespace quillmere::source::ods
