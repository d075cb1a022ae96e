#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <optional>
#include <string>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "source/WorkbookError.h"
#include "source/load/RowsAhead.h"
#include "tests/support/MemorySheet.h"

namespace quillmere::source {
namespace {

using namespace std::string_literals;
using test::MemorySheet;

WorkbookError damaged() {
  return WorkbookError(WorkbookError::Kind::Corrupt, "book.xlsx", "row damaged");
}

// A sheet whose column A is a shared string, and which may break at one row.
class SharedTextSheet : public MemorySheet {
 public:
  using MemorySheet::MemorySheet;
  std::optional<std::uint32_t> brokenRow;
  std::optional<std::pair<std::uint32_t, std::size_t>> brokenCell;  // row and column

  bool nextRow() override {
    const bool more = MemorySheet::nextRow();
    if (more && brokenRow == rowNumber()) {
      throw damaged();
    }
    return more;
  }
  CellValue cell(std::size_t column) const override {
    if (brokenCell == std::pair(rowNumber(), column)) throw damaged();
    CellValue value = MemorySheet::cell(column);
    value.lasting = column == 0 && value.kind == CellKind::Text;
    return value;
  }
};

// Every row read whole as "number: cells", a cell as its kind and text or number and style;
// then how the sheet ended.
std::string readAll(SheetReader& sheet, std::size_t rows = SIZE_MAX) {
  std::string out;
  try {
    for (std::size_t row = 0; row < rows && sheet.nextRow(); ++row) {
      std::string line = std::to_string(sheet.rowNumber()) + ":";
      for (std::size_t column = 0; column < sheet.cellCount(); ++column) {
        const CellValue value = sheet.cell(column);
        line += " " + std::to_string(static_cast<int>(value.kind)) + "/" + std::string(value.text) +
                "/" + std::to_string(value.number) + "/" + std::to_string(value.style);
      }
      out += line + "\n";
    }
    if (rows == SIZE_MAX) out += "end";
  } catch (const WorkbookError& error) {
    out += error.what();
  }
  return out;
}

TEST(RowsAhead, GivesTheRowsItsSheetGivesAndItsFailureAfterThem) {
  MemorySheet::Rows many;
  for (std::uint32_t row = 1; row <= 2000; row += 1 + row % 3) {
    many[row] = {"shared " + std::to_string(row), "own " + std::to_string(row % 7),
                 MemorySheet::Styled{row * 1.5, row % 4}, MemorySheet::Error{"#N/A"}, ""s};
  }
  MemorySheet::Rows longTexts;
  for (std::uint32_t row = 1; row <= 12; ++row)
    longTexts[row] = {"s"s, std::string(300'000, static_cast<char>('a' + row))};
  MemorySheet::Rows wide = {{1, {"a"s}}, {2, std::vector<MemorySheet::Cell>(50'000, 2.0)}};
  wide[2][49'999] = "last"s;
  wide[3] = {"after"s};
  struct Case {
    const char* name;
    MemorySheet::Rows rows;
    std::optional<std::uint32_t> brokenRow;
    std::optional<std::pair<std::uint32_t, std::size_t>> brokenCell = {};
  };
  const std::vector<Case> cases = {
      {"rows of many batches, some not stored", many, {}},
      {"batches full of text before they are full of rows", longTexts, {}},
      {"a row wider than a batch's cells", wide, {}},
      {"a sheet that breaks after 700 rows", many, 1051},
      {"a sheet that breaks at its first row", many, 1},
      {"an empty sheet", {}, {}},
      // After a text the batch copies, before the row is whole.
      {"a cell that cannot be read in the middle of a row", many, {}, std::pair(1051u, 2u)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SharedTextSheet direct(c.rows), inner(c.rows);
    direct.brokenRow = inner.brokenRow = c.brokenRow;
    direct.brokenCell = inner.brokenCell = c.brokenCell;
    const bool breaks = c.brokenRow || c.brokenCell;
    const std::string expected = readAll(direct);
    RowsAhead ahead(inner);
    // Moved back before any row is taken, as a run does first: the reading goes on as begun.
    ahead.rewind();
    EXPECT_EQ(readAll(ahead), expected);
    // It stays where it ended.
    EXPECT_EQ(readAll(ahead), breaks ? damaged().what() : "end");

    // Moved back part-way through, and again while its thread is ahead.
    ahead.rewind();
    direct.rewind();
    EXPECT_EQ(readAll(ahead, 300), readAll(direct, 300));
    ahead.rewind();
    EXPECT_EQ(readAll(ahead), expected);
    ahead.rewind();
    if (c.brokenRow != 1u && ahead.nextRow() && ahead.cell(0).kind == CellKind::Text) {
      EXPECT_TRUE(ahead.cell(0).lasting) << "a shared string is not copied";
      EXPECT_FALSE(ahead.cell(1).lasting) << "a row's own text lasts only as long as the row";
    }
  }
}

TEST(RowsAhead, ReadsOnTheCallersThreadAfterARewindTheSystemRefusesAThread) {
  constexpr int kThreadGiven = 3;
  // In a child of its own: the limit on threads holds for the whole process.
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    alarm(20);  // a reader left waiting for rows that never come is stopped, and fails
    // The limit binds no administrator: as root, the child takes an account of no rights.
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(kThreadGiven);
    MemorySheet sheet({{1, {"a"s}}, {2, {"b"s}}});
    const std::string expected = readAll(sheet);
    RowsAhead ahead(sheet);
    static_cast<void>(ahead.nextRow());
    rlimit limit{};
    getrlimit(RLIMIT_NPROC, &limit);
    const rlimit none{1, limit.rlim_max};
    setrlimit(RLIMIT_NPROC, &none);
    bool refused = false;
    try {
      std::thread([] {}).join();
    } catch (const std::system_error&) {
      refused = true;
    }
    ahead.rewind();
    const std::string read = readAll(ahead);
    setrlimit(RLIMIT_NPROC, &limit);
    if (!refused) _exit(kThreadGiven);
    _exit(read == expected ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status)) << "the reader waited for rows that never come";
  if (WEXITSTATUS(status) == kThreadGiven) GTEST_SKIP() << "this system gave the thread";
  EXPECT_EQ(WEXITSTATUS(status), 0) << "the rows read after the rewind are not the sheet's";
}

}  // namespace
}  // namespace quillmere::source
