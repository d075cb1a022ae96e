#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "core/ContactRowReader.h"
#include "tests/core/ExportDoubles.h"

namespace quillmere::core {
namespace {

using test::MemorySheet;
using enum Field;

class TypeOptions : public test::ScriptedOptions {
 public:
  bool moreFields() override { return more; }
  bool more = true;
};

// One row of a Google export: its two phones' and its address's types and values, and the
// fields the row fills. The columns are paired as Match by Name pairs them when most rows
// say Mobile, Home and Home.
struct Row {
  std::vector<std::string> cells;  // Phone 1 Type, Value, Phone 2 Type, Value, Address Type, City
  bool moreFields;
  std::map<Field, std::string> filled;
};

TEST(GoogleTypes, EachRowsTypeSendsItsValueToTheFieldOfThatKind) {
  const std::vector<Row> rows{
      {{"Mobile", "1", "Home", "2", "Home", "Bonn"},
       true,
       {{MobileNumber, "1"}, {HomeTelephoneNumber, "2"}, {HomeAddressCity, "Bonn"}}},
      {{"* Work", "1", "Work Fax", "2", "Work", "Köln"},
       true,
       {{BusinessTelephoneNumber, "1"}, {BusinessFaxNumber, "2"}, {BusinessAddressCity, "Köln"}}},
      {{"Home Fax", "1", "Pager", "2", "* Home", "Ulm"},
       true,
       {{HomeFaxNumber, "1"}, {PagerNumber, "2"}, {HomeAddressCity, "Ulm"}}},
      {{"Other", "1", "Main", "2", "Other", "Jena"},
       true,
       {{OtherTelephoneNumber, "1"}, {BusinessTelephoneNumber, "2"}, {HomeAddressCity, "Jena"}}},
      // Without More Fields a pager or other phone keeps the column's own field.
      {{"Pager", "1", "Other", "2", "", "Gera"},
       false,
       {{MobileNumber, "1"}, {HomeTelephoneNumber, "2"}, {HomeAddressCity, "Gera"}}},
      // Two of one kind, and a company's main line beside the other phone: the second finds
      // the next free phone field.
      {{"Mobile", "1", "Mobile", "2", "", ""},
       true,
       {{MobileNumber, "1"}, {BusinessTelephoneNumber, "2"}}},
  };
  for (const Row& row : rows) {
    MemorySheet sheet({{1,
                        {std::string("Phone 1 - Type"), std::string("Phone 1 - Value"),
                         std::string("Phone 2 - Type"), std::string("Phone 2 - Value"),
                         std::string("Address 1 - Type"), std::string("Address 1 - City")}},
                       {2, std::vector<MemorySheet::Cell>(row.cells.begin(), row.cells.end())}});
    const source::SheetTable table = test::tableOf(sheet.rows(), 2, 2);
    const ExportJob job{table,
                        {test::pairOf(1, MobileNumber), test::pairOf(3, HomeTelephoneNumber),
                         test::pairOf(5, HomeAddressCity)},
                        '.'};
    TypeOptions options;
    options.more = row.moreFields;
    ContactValues values;
    sheet.nextRow();
    sheet.nextRow();
    ContactRowReader(job).read(sheet, options, values);
    std::map<Field, std::string> filled;
    for (std::size_t i = 0; i < kAllFieldCount; ++i) {
      const auto field = static_cast<Field>(i);
      if (!values[field].empty()) filled[field] = values[field];
    }
    EXPECT_EQ(filled, row.filled) << row.cells.front() << " " << row.cells[2];
  }
}

}  // namespace
}  // namespace quillmere::core
