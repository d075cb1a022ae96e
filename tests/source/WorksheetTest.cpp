#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "source/Worksheet.h"

namespace quillmere::source {
namespace {

// Rows held in memory; counts how often the cursor is restarted.
class FakeSheet : public SheetReader {
 public:
  explicit FakeSheet(std::map<std::uint32_t, std::vector<std::string>> rows)
      : rows_(std::move(rows)), next_(rows_.begin()) {}

  std::uint32_t gridRows() const override { return 1048576; }
  bool nextRow() override {
    if (next_ == rows_.end()) return false;
    current_ = next_++;
    return true;
  }
  std::uint32_t rowNumber() const override { return current_ == rows_.end() ? 0 : current_->first; }
  std::size_t cellCount() const override { return current_->second.size(); }
  CellValue cell(std::size_t column) const override {
    if (column >= current_->second.size()) return CellValue::empty();
    return CellValue::ofText(current_->second[column]);
  }
  void rewind() override {
    ++rewinds;
    current_ = rows_.end();
    next_ = rows_.begin();
  }

  int rewinds = 0;

 private:
  std::map<std::uint32_t, std::vector<std::string>> rows_;
  std::map<std::uint32_t, std::vector<std::string>>::iterator next_;
  std::map<std::uint32_t, std::vector<std::string>>::iterator current_ = rows_.end();
};

std::string text(Worksheet& sheet, std::string_view reference) {
  return std::string(sheet.cell(reference).text);
}

TEST(Worksheet, ReadsCellsByReferenceInRowOrderWithoutRestarting) {
  FakeSheet rows({{1, {"Name", "Mail"}}, {2, {"Ann", "ann@x"}}, {5, {"Bob"}}});
  Worksheet sheet(rows);
  EXPECT_EQ(text(sheet, "A1"), "Name");
  EXPECT_EQ(text(sheet, "B1"), "Mail");
  EXPECT_EQ(text(sheet, "B2"), "ann@x");
  EXPECT_EQ(sheet.cell("A3").kind, CellKind::Empty);
  EXPECT_EQ(sheet.cell("A4").kind, CellKind::Empty);
  EXPECT_EQ(text(sheet, "A5"), "Bob");
  EXPECT_EQ(sheet.cell("B5").kind, CellKind::Empty);
  EXPECT_EQ(sheet.cell("A6").kind, CellKind::Empty);
  EXPECT_EQ(rows.rewinds, 0);
}

TEST(Worksheet, GoesBackToAnEarlierRowByRestarting) {
  FakeSheet rows({{1, {"Name"}}, {2, {"Ann"}}, {3, {"Bob"}}});
  Worksheet sheet(rows);
  EXPECT_EQ(text(sheet, "A3"), "Bob");
  EXPECT_EQ(text(sheet, "A1"), "Name");
  EXPECT_EQ(text(sheet, "A2"), "Ann");
  EXPECT_EQ(sheet.cell("A9").kind, CellKind::Empty);
  EXPECT_EQ(text(sheet, "A3"), "Bob");
  EXPECT_EQ(text(sheet, "A1"), "Name");
  EXPECT_EQ(rows.rewinds, 3);
}

TEST(Worksheet, AnEmptyRowBetweenStoredRowsNeedsNoRestart) {
  FakeSheet rows({{1, {"Name"}}, {4, {"Ann"}}});
  Worksheet sheet(rows);
  EXPECT_EQ(text(sheet, "A4"), "Ann");
  EXPECT_EQ(sheet.cell("A2").kind, CellKind::Empty);
  EXPECT_EQ(rows.rewinds, 0);
}

TEST(Worksheet, RefusesAMalformedReference) {
  FakeSheet rows({});
  Worksheet sheet(rows);
  EXPECT_THROW(sheet.cell("1A"), std::invalid_argument);
  EXPECT_EQ(sheet.cell("A1").kind, CellKind::Empty);
}

}  // namespace
}  // namespace quillmere::source
