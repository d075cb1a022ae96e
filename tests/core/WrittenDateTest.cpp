#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/ContactRowReader.h"
#include "core/DateColumns.h"
#include "core/WrittenDate.h"
#include "tests/core/ExportDoubles.h"

namespace quillmere::core {
namespace {

using test::MemorySheet;

class DateOptions : public test::ScriptedOptions {
 public:
  bool moreFields() override { return true; }
  DayOrder dayOrder() override { return order; }
  DayOrder order = DayOrder::MonthFirst;
};

// One birthday column as an export writes it, read with the desktop's order: what each
// cell becomes ("" for no date, "?" for a cell named as not read).
struct Column {
  std::vector<std::string> cells;
  DayOrder desktop;
  std::vector<std::string> read;
};

TEST(WrittenDates, EachFormReadsAndAColumnsOwnDatesSettleItsOrderBeforeTheDesktop) {
  constexpr auto kMonth = DayOrder::MonthFirst;
  constexpr auto kDay = DayOrder::DayFirst;
  const std::vector<Column> columns{
      // Outlook in English; its "no date" is none.
      {{"3/13/1985", "0/0/00", "12/31/99", "1/2/05"},
       kDay,
       {"1985-03-13", "", "1999-12-31", "2005-01-02"}},
      // German Outlook, day first whatever the desktop says.
      {{"13.3.1965", "1.2.1970", "00.00.0000", "29.2.1965", "07.08.29"},
       kMonth,
       {"1965-03-13", "1970-02-01", "", "?", "2029-08-07"}},
      // A day over 12 anywhere in the column settles the rest.
      {{"02/03/1985", "25/12/1990"}, kMonth, {"1985-03-02", "1990-12-25"}},
      {{"02/03/1985", "12/25/1990"}, kDay, {"1985-02-03", "1990-12-25"}},
      // Nothing settles it, or both orders are seen: the desktop decides the open ones.
      {{"02/03/1985", "04/05/1990"}, kDay, {"1985-03-02", "1990-05-04"}},
      {{"02/03/1985", "04/05/1990"}, kMonth, {"1985-02-03", "1990-04-05"}},
      {{"02/03/1985", "13/01/1990", "01/13/1990"},
       kDay,
       {"1985-03-02", "1990-01-13", "1990-01-13"}},
      // Year first, and what no form reads.
      {{"1985/03/13", "3/13", "13/13/1985", "3.13.1985", "1/2/123"},
       kMonth,
       {"1985-03-13", "?", "?", "?", "?"}},
      // A column written in ISO takes no other form.
      {{"1985-03-13", "13/03/1985", "--03-13"}, kDay, {"1985-03-13", "?", "--03-13"}},
  };
  for (const Column& column : columns) {
    MemorySheet::Rows rows{{1, {std::string("Birthday")}}};
    for (std::size_t i = 0; i < column.cells.size(); ++i)
      rows[static_cast<std::uint32_t>(i + 2)] = {column.cells[i]};
    MemorySheet sheet(rows);
    const auto rowCount = static_cast<std::int32_t>(column.cells.size() + 1);
    const source::SheetTable table = test::tableOf(sheet.rows(), rowCount, rowCount);
    ExportJob job{table, {test::pairOf(0, Field::Birthday)}, '.'};
    job.dateColumns = dateColumnsOf(sheet, 1, job.columns);
    sheet.rewind();
    sheet.nextRow();
    DateOptions options;
    options.order = column.desktop;
    ContactRowReader reader(job);
    std::vector<std::string> read;
    for (std::size_t i = 0; i < column.cells.size(); ++i) {
      ASSERT_TRUE(sheet.nextRow());
      ContactValues values;
      reader.read(sheet, options, values);
      read.push_back(values.notes().empty() ? values[Field::Birthday] : "?");
    }
    EXPECT_EQ(read, column.read) << column.cells.front();
  }
}

TEST(WrittenDates, TheDesktopsOrderComesFromItsLocale) {
  for (const auto& [locale, order] :
       std::vector<std::pair<std::string, DayOrder>>{{"en_US.UTF-8", DayOrder::MonthFirst},
                                                     {"C.UTF-8", DayOrder::MonthFirst},
                                                     {"en_GB.UTF-8", DayOrder::DayFirst},
                                                     {"de_DE@euro", DayOrder::DayFirst},
                                                     {"fr_CA", DayOrder::DayFirst}}) {
    EXPECT_EQ(dayOrderOfLocale(locale), order) << locale;
  }
}

}  // namespace
}  // namespace quillmere::core
