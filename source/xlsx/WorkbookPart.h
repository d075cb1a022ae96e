#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "source/xlsx/XmlHandler.h"

namespace quillmere::source::xlsx {

// What Quillmere needs of xl/workbook.xml: the sheets in tab order and the date system.
class WorkbookPart : public XmlHandler {
 public:
  struct Sheet {
    std::string name;
    std::string relationshipId;
    bool hidden = false;  // "hidden" or "veryHidden": not shown among the tabs
  };

  const std::vector<Sheet>& sheets() const { return sheets_; }
  bool date1904() const { return date1904_; }
  // False when the part's root is not <workbook> (a Word or PowerPoint document, say).
  bool isWorkbook() const { return isWorkbook_; }

  void startElement(std::string_view name, const char** attributes) override;
  void endElement(std::string_view name) override;
  void text(std::string_view) override {}

 private:
  std::vector<Sheet> sheets_;
  int depth_ = 0;
  bool inSheets_ = false;
  bool date1904_ = false;
  bool isWorkbook_ = false;
};

}  // namespace quillmere::source::xlsx
