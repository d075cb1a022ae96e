// Every reader that works ahead on a thread of its own does that work on the caller's thread
// when the system refuses it the thread, and gives what it gives with one.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "source/HandOff.h"
#include "source/SheetTsv.h"
#include "source/Workbook.h"
#include "source/WorkbookError.h"
#include "source/load/RowsAhead.h"
#include "source/xlsx/BytesAhead.h"
#include "tests/source/xlsx/GeneratedWorkbook.h"
#include "tests/support/MemorySheet.h"
#include "tests/support/RefusedThreads.h"

namespace quillmere::source {
namespace {

using namespace std::string_literals;

WorkbookError damaged() {
  return WorkbookError(WorkbookError::Kind::Corrupt, "book.xlsx", "is damaged here.");
}

// What a reader gave, and whether a thread other than the test's read its source.
struct Read {
  std::string text;
  bool elsewhere = false;
};

// Notes a read on a thread other than the one that made it.
class Watch {
 public:
  void note() const {
    if (std::this_thread::get_id() != owner_) elsewhere_ = true;
  }
  bool elsewhere() const { return elsewhere_; }

 private:
  std::thread::id owner_ = std::this_thread::get_id();
  mutable std::atomic<bool> elsewhere_{false};
};

// Rows 1 to 2000, each a text and a number, breaking when it reaches row 1500.
class BreakingSheet : public test::MemorySheet {
 public:
  BreakingSheet() {
    for (std::uint32_t row = 1; row <= 2000; ++row)
      rows()[row] = {"row " + std::to_string(row), row * 0.5};
  }
  bool nextRow() override {
    watch.note();
    const bool more = MemorySheet::nextRow();
    if (more && rowNumber() == 1500) throw damaged();
    return more;
  }
  Watch watch;
};

// Part of the rows, then all of them from a rewind, and how they ended.
Read readRowsAhead() {
  BreakingSheet sheet;
  RowsAhead ahead(sheet);
  std::ostringstream out;
  for (int row = 0; row < 300 && ahead.nextRow(); ++row)
    out << ahead.rowNumber() << ' ' << ahead.cell(0).text << '\n';
  ahead.rewind();
  try {
    writeSheetTsv(ahead, out);
  } catch (const WorkbookError& error) {
    out << error.what();
  }
  return {out.str(), sheet.watch.elsewhere()};
}

// Hands out numbers in pieces of 7 bytes, then fails.
class BreakingPart : public xlsx::PartSource {
 public:
  BreakingPart() {
    for (int i = 0; i < 5000; ++i)
      data_ += std::to_string(i) + ",";
  }
  std::size_t read(char* buffer, std::size_t capacity) override {
    watch.note();
    if (position_ == data_.size()) throw damaged();
    const std::size_t count = std::min({capacity, std::size_t{7}, data_.size() - position_});
    std::memcpy(buffer, data_.data() + position_, count);
    position_ += count;
    return count;
  }
  Watch watch;

 private:
  std::string data_;
  std::size_t position_ = 0;
};

Read readBytesAhead() {
  auto inner = std::make_unique<BreakingPart>();
  const Watch& watch = inner->watch;
  xlsx::BytesAhead ahead(std::move(inner), 64, 2);
  std::string text;
  char piece[13];
  try {
    while (const std::size_t got = ahead.read(piece, sizeof piece))
      text.append(piece, got);
  } catch (const WorkbookError& error) {
    text += error.what();
  }
  return {text, watch.elsewhere()};
}

// A workbook whose strings load, and whose sheet inflates, on threads of their own.
Read readWorkbook() {
  const std::string xmlHead = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";
  const std::string ns = "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"";
  xlsx::testing::RepeatedPart sheet;
  sheet.head = xmlHead + "<worksheet " + ns + "><sheetData>";
  sheet.body = "<row><c t=\"s\"><v>1</v></c><c><v>2.5</v></c><c t=\"s\"><v>0</v></c></row>";
  sheet.times = 20'000;
  sheet.tail = "</sheetData></worksheet>";
  xlsx::testing::RepeatedPart strings;
  strings.head = xmlHead + "<sst " + ns + ">";
  strings.body = "<si><t>a shared string</t></si>";
  strings.times = 20'000;
  strings.tail = "</sst>";
  xlsx::testing::TemporaryFolder folder;
  const std::filesystem::path file = folder.path() / "book.xlsx";
  xlsx::testing::writeRepeatedWorkbook(file, sheet, strings);
  std::ostringstream out;
  writeSheetTsv(openWorkbook(file)->sheet(), out);
  return {out.str()};
}

TEST(HandOff, AReaderRefusedAThreadGivesTheSameOnTheCallersThread) {
  struct Case {
    const char* name;
    std::function<Read()> read;
    int threadsGiven;
    bool watched;  // whether the case sees which thread reads
  };
  const std::vector<Case> cases = {
      {"rows read ahead", readRowsAhead, 0, true},
      {"bytes read ahead", readBytesAhead, 0, true},
      {"a workbook with no thread at all", readWorkbook, 0, false},
      {"a workbook whose strings have a thread and sheet none", readWorkbook, 1, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Read withThreads = c.read();
    if (c.watched) {
      EXPECT_TRUE(withThreads.elsewhere) << "nothing was read ahead";
    }
    const test::RefusedThreads refused(c.threadsGiven);
    const Read without = c.read();
    EXPECT_EQ(without.text, withThreads.text);
    EXPECT_FALSE(without.elsewhere);
  }
}

}  // namespace
}  // namespace quillmere::source
