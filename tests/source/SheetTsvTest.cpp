#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>
#include <utility>
#include <vector>

#include "source/SheetTsv.h"
#include "tests/source/BoundedRun.h"

namespace quillmere::source {
namespace {

// Rows of cells held in memory; the cells' texts must outlive the sheet.
class FakeSheet : public SheetReader {
 public:
  using Rows = std::map<std::uint32_t, std::vector<CellValue>>;
  explicit FakeSheet(Rows rows, CellFormats formats = {})
      : rows_(std::move(rows)), next_(rows_.begin()), formats_(std::move(formats)) {}

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
    return current_->second[column];
  }
  void rewind() override {
    current_ = rows_.end();
    next_ = rows_.begin();
  }
  const CellFormats& cellFormats() const override { return formats_; }

 private:
  Rows rows_;
  Rows::iterator next_;
  Rows::iterator current_ = rows_.end();
  CellFormats formats_;
};

// Counts what is written and keeps none of it.
class CountingBuffer : public std::streambuf {
 public:
  std::uint64_t count = 0;

 protected:
  int_type overflow(int_type c) override {
    if (!traits_type::eq_int_type(c, traits_type::eof())) ++count;
    return traits_type::not_eof(c);
  }
  std::streamsize xsputn(const char*, std::streamsize n) override {
    count += static_cast<std::uint64_t>(n);
    return n;
  }
};

std::string tsvOf(FakeSheet::Rows rows) {
  FakeSheet sheet(std::move(rows));
  std::ostringstream out;
  writeSheetTsv(sheet, out);
  return out.str();
}

TEST(SheetTsv, LinesFollowRowNumbersAndTrailingEmptiesAreLeftOut) {
  const auto text = CellValue::ofText;
  const std::string tsv = tsvOf({
      {2, {CellValue::empty(), text("b"), CellValue::empty(), text("d"), CellValue::empty()}},
      {3, {CellValue::empty(), text("")}},  // nothing to show: no line of its own
      {5, {CellValue::ofNumber(0.5), CellValue::ofBoolean(true), CellValue::ofError("#N/A")}},
      {6, {text("tab\there"), text("line\nbreak\r"), text("back\\slash")}},
  });
  EXPECT_EQ(tsv,
            "\n"
            "\tb\t\td\n"
            "\n"
            "\n"
            "0.5\tTrue\t#N/A\n"
            "tab\\there\tline\\nbreak\\r\tback\\\\slash\n");
}

TEST(SheetTsv, AsShownWritesNumbersAsTheSheetDisplaysThem) {
  // Style 1 puts back a leading zero, style 2 is a date, style 3 hides every number.
  FakeSheet sheet(
      {{1,
        {CellValue::ofNumber(1512345678, 1), CellValue::ofNumber(45352, 2),
         CellValue::ofNumber(0.5), CellValue::ofText("0151"), CellValue::ofBoolean(false)}},
       {2, {CellValue::ofNumber(7, 3), CellValue::ofNumber(7, 3)}},
       {3, {CellValue::ofNumber(7, 3), CellValue::ofText("x\ty")}}},
      CellFormats({0, 164, 165, 166}, {{164, "0000 0000000"}, {165, "d mmm yyyy"}, {166, ";;;"}},
                  false));
  std::ostringstream out;
  writeSheetTsv(sheet, out, CellText::AsShown);
  // A number shown as nothing is an empty cell: row 2 is an empty line.
  EXPECT_EQ(out.str(), "0151 2345678\t1 Mar 2024\t0.5\t0151\tFalse\n\n\tx\\ty\n");
  sheet.rewind();
  std::ostringstream stored;
  writeSheetTsv(sheet, stored);
  EXPECT_EQ(stored.str(), "1512345678\t45352\t0.5\t0151\tFalse\n7\t7\n7\tx\\ty\n");
}

TEST(SheetTsv, EmptySheetWritesNothing) {
  EXPECT_EQ(tsvOf({}), "");
  EXPECT_EQ(tsvOf({{4, {CellValue::empty()}}}), "");
}

TEST(SheetTsv, AWideRowOfLongCellsIsWrittenAsItIsRead) {
  // 16,384 cells of 4,096 characters: 64 MiB of row text, all pointing at one string, so
  // only the writer could make the memory grow.
  const std::string long_(4096, 'x');
  constexpr std::size_t kColumns = 16384;
  const auto run = testing::runBounded([&long_] {
    FakeSheet sheet({{1, std::vector<CellValue>(kColumns, CellValue::ofText(long_))}});
    CountingBuffer buffer;
    std::ostream out(&buffer);
    writeSheetTsv(sheet, out);
    return std::to_string(buffer.count);
  });
  EXPECT_EQ(run.outcome, "ok: " + std::to_string(kColumns * 4096 + (kColumns - 1) + 1));
  if (testing::memoryIsMeasured()) {
    EXPECT_LT(run.peakBytes, std::uint64_t{32} << 20) << "the row was held whole";
  }
}

}  // namespace
}  // namespace quillmere::source
