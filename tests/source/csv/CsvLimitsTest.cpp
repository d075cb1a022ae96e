// Files too big, rows too long or too many: each gives its own LimitExceeded message.
#include <gtest/gtest.h>

#include <string>

#include "source/CellReference.h"
#include "source/WorkbookError.h"
#include "source/csv/CsvWorkbook.h"
#include "tests/source/csv/CsvTestFolder.h"

namespace quillmere::source::csv {
namespace {

using Kind = WorkbookError::Kind;

class CsvLimits : public CsvTestFolder {
 protected:
  // Reads the whole file; the error it gives, or nothing.
  std::optional<WorkbookError> readAll(const std::filesystem::path& path, const ReadLimits& limits,
                                       std::size_t buffer = kDefaultBufferBytes) {
    try {
      auto workbook = openCsvWorkbook(path, limits, buffer);
      SheetReader& sheet = workbook->sheet();
      while (sheet.nextRow()) {
      }
    } catch (const WorkbookError& e) {
      EXPECT_NE(std::string(e.what()).find(path.filename().string()), std::string::npos)
          << e.what();
      return e;
    }
    return std::nullopt;
  }

  static bool says(const std::optional<WorkbookError>& error, const std::string& words) {
    return error && std::string(error->what()).find(words) != std::string::npos;
  }
};

TEST_F(CsvLimits, AFileOverTheSizeLimitIsRefusedBeforeReading) {
  ReadLimits limits;
  limits.maxFileBytes = 16;
  EXPECT_FALSE(readAll(write("small.csv", std::string(16, 'x')), limits));
  const auto error = readAll(write("big.csv", std::string(17, 'x')), limits);
  ASSERT_TRUE(error);
  EXPECT_EQ(error->kind(), Kind::LimitExceeded);
  // Through the opener as well.
  try {
    openWorkbook(dir_ / "big.csv", limits);
    ADD_FAILURE() << "opened";
  } catch (const WorkbookError& e) {
    EXPECT_EQ(e.kind(), Kind::LimitExceeded);
  }
}

TEST_F(CsvLimits, AValueOverTheCellLimitNamesItsCell) {
  ReadLimits limits;
  limits.maxCellTextBytes = 8;
  for (const std::size_t buffer : {std::size_t{3}, kDefaultBufferBytes}) {
    EXPECT_FALSE(readAll(write("fits.csv", "12345678,\"1234567\"\"\"\n"), limits, buffer));
    const auto plain = readAll(write("plain.csv", "a,b\nc,123456789\n"), limits, buffer);
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->kind(), Kind::LimitExceeded);
    EXPECT_TRUE(says(plain, "cell B2")) << plain->what();
    const auto quoted = readAll(write("quoted.csv", "\"12345\n6789\"\n"), limits, buffer);
    ASSERT_TRUE(quoted);
    EXPECT_EQ(quoted->kind(), Kind::LimitExceeded);
    EXPECT_TRUE(says(quoted, "cell A1")) << quoted->what();
  }
}

TEST_F(CsvLimits, AMissingClosingQuoteStopsAtTheCellLimit) {
  ReadLimits limits;
  limits.maxCellTextBytes = 1000;
  std::string text = "name,note\nAnna,\"never closed\n";
  for (int i = 0; i < 1000; ++i)
    text += "Ben,more text\n";
  const auto error = readAll(write("unclosed.csv", text), limits, 64);
  ASSERT_TRUE(error);
  EXPECT_EQ(error->kind(), Kind::LimitExceeded);
  EXPECT_TRUE(says(error, "closing quote")) << error->what();
  EXPECT_TRUE(says(error, "cell B2")) << error->what();
  EXPECT_TRUE(says(error, "quote opens on line 2")) << error->what();
}

TEST_F(CsvLimits, ARowHoldsAtMostAWorksheetRowOfColumns) {
  std::string widest(kMaxGridColumns - 1, ',');
  EXPECT_FALSE(readAll(write("widest.csv", widest + "x\n"), ReadLimits{}));
  const auto error = readAll(write("wider.csv", "a\n" + widest + ",x\n"), ReadLimits{});
  ASSERT_TRUE(error);
  EXPECT_EQ(error->kind(), Kind::LimitExceeded);
  EXPECT_TRUE(says(error, "row 2")) << error->what();
}

TEST_F(CsvLimits, AFileHoldsAtMostAWorksheetOfRows) {
  std::string rows;
  for (std::uint32_t r = 0; r < kMaxGridRows; ++r)
    rows += "x\n";
  EXPECT_FALSE(readAll(write("tallest.csv", rows), ReadLimits{}));
  const auto error = readAll(write("taller.csv", rows + "x\n"), ReadLimits{});
  ASSERT_TRUE(error);
  EXPECT_EQ(error->kind(), Kind::LimitExceeded);
  // Empty lines count as rows, and trailing ones past the grid hold nothing to lose.
  std::string blank(kMaxGridRows, '\n');
  EXPECT_FALSE(readAll(write("blank.csv", blank + "\n\n"), ReadLimits{}));
  const auto late = readAll(write("late.csv", blank + "x\n"), ReadLimits{});
  ASSERT_TRUE(late);
  EXPECT_EQ(late->kind(), Kind::LimitExceeded);
}

TEST_F(CsvLimits, TheLastRowOfTheGridIsRead) {
  std::string blank(kMaxGridRows - 1, '\n');
  auto workbook =
      openCsvWorkbook(write("last.csv", blank + "end\n"), ReadLimits{}, kDefaultBufferBytes);
  SheetReader& sheet = workbook->sheet();
  ASSERT_TRUE(sheet.nextRow());
  EXPECT_EQ(sheet.rowNumber(), kMaxGridRows);
  EXPECT_EQ(sheet.cell(0).text, "end");
  EXPECT_FALSE(sheet.nextRow());
}

}  // namespace
}  // namespace quillmere::source::csv
