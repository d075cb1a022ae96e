// The threads of the .xlsx reader: inflating a part ahead of its parsing, and loading the shared
// strings beside the sheet that looks them up.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <thread>

#include "source/WorkbookError.h"
#include "source/xlsx/BytesAhead.h"
#include "source/xlsx/MemoryPartSource.h"
#include "source/xlsx/XlsxSharedStrings.h"
#include "source/xlsx/XlsxSheetReader.h"
#include "source/xlsx/XmlStream.h"
#include "tests/source/xlsx/SheetXml.h"

namespace quillmere::source::xlsx {
namespace {

using Kind = WorkbookError::Kind;

// Hands out its bytes, then fails, as a damaged part does.
class FailingPart : public PartSource {
 public:
  FailingPart(std::string data, std::size_t piece) : data_(std::move(data)), piece_(piece) {}
  std::size_t read(char* buffer, std::size_t capacity) override {
    if (position_ == data_.size()) {
      throw WorkbookError(Kind::Corrupt, "book.xlsx", "is damaged: the part stops here.");
    }
    const std::size_t count = std::min({capacity, piece_, data_.size() - position_});
    std::memcpy(buffer, data_.data() + position_, count);
    position_ += count;
    return count;
  }

 private:
  std::string data_;
  std::size_t piece_;
  std::size_t position_ = 0;
};

std::string readAll(PartSource& source, std::size_t capacity) {
  std::string out(capacity, '\0'), all;
  while (const std::size_t got = source.read(out.data(), capacity))
    all.append(out.data(), got);
  return all;
}

TEST(BytesAhead, GivesTheBytesInOrderThenTheInnerFailure) {
  std::string data;
  for (int i = 0; i < 5000; ++i)
    data += std::to_string(i) + ",";
  for (std::size_t block : {1, 3, 64, 100000}) {
    BytesAhead ahead(std::make_unique<FailingPart>(data, 7), block, 2);
    std::string got(data.size(), '\0');
    std::size_t have = 0;
    while (have < data.size())
      have += ahead.read(got.data() + have, std::min<std::size_t>(13, data.size() - have));
    EXPECT_EQ(got, data) << "block " << block;
    EXPECT_THROW(ahead.read(got.data(), 13), WorkbookError) << "block " << block;
    EXPECT_THROW(ahead.read(got.data(), 13), WorkbookError) << "block " << block;
  }
  for (std::size_t block : {1, 3, 64, 100000}) {
    BytesAhead lent(std::make_unique<FailingPart>(data, 7), block, 2);
    std::string got, previous;
    std::span<char> piece;
    while (got.size() < data.size()) {
      const std::span<char> next = lent.borrow(13);
      // The piece lent before is left alone until the call after this one.
      EXPECT_EQ(std::string(piece.begin(), piece.end()), previous) << "block " << block;
      piece = next;
      previous.assign(piece.begin(), piece.end());
      got += previous;
    }
    EXPECT_EQ(got, data) << "block " << block;
    EXPECT_THROW(lent.borrow(13), WorkbookError) << "block " << block;
  }
  BytesAhead whole(std::make_unique<MemoryPartSource>(data), 10, 3);
  EXPECT_EQ(readAll(whole, 4), data);
  EXPECT_EQ(whole.read(nullptr, 0), 0u);
}

TEST(BytesAhead, ClosingBeforeTheEndStopsTheThread) {
  const std::string data(1 << 20, 'x');
  auto ahead = std::make_unique<BytesAhead>(std::make_unique<MemoryPartSource>(data), 4096, 4);
  char byte;
  EXPECT_EQ(ahead->read(&byte, 1), 1u);
  ahead.reset();  // joins a thread waiting for room
}

TEST(XlsxSharedStrings, AReaderWaitsForAStringStillLoadingAndSeesAFailure) {
  const std::string xml = "<sst><si><t>a</t></si><si><t>b</t></si></sst>";
  XlsxSharedStrings strings;
  strings.reserveFor(xml.size());
  strings.beginLoading();
  std::thread loader([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    XmlStream stream("book.xlsx", "xl/sharedStrings.xml", strings);
    stream.reset(std::make_unique<MemoryPartSource>(xml));
    stream.parseAll();
    strings.endLoading(nullptr);
  });
  EXPECT_EQ(strings.find(1), "b");  // waits for the second string
  EXPECT_EQ(strings.find(0), "a");
  EXPECT_EQ(strings.find(2), std::nullopt);  // waits for the end: there is no third
  loader.join();
  EXPECT_NO_THROW(strings.waitLoaded());

  XlsxSharedStrings failing;
  failing.reserveFor(xml.size());
  failing.beginLoading();
  std::thread broken([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    failing.endLoading(std::make_exception_ptr(
        WorkbookError(Kind::Corrupt, "book.xlsx", "is damaged: its strings are cut short.")));
  });
  EXPECT_THROW(failing.find(0), WorkbookError);
  broken.join();
  EXPECT_THROW(failing.throwIfFailed(), WorkbookError);
  EXPECT_THROW(failing.waitLoaded(), WorkbookError);
}

TEST(XlsxSheetReader, RunsItsWorkWhileACellOrTheSheetsEndWaitsForTheStrings) {
  const std::string xml = testing::worksheet("<row r=\"1\"><c r=\"A1\" t=\"s\"><v>1</v></c></row>");
  const std::string table = "<sst><si><t>a</t></si><si><t>b</t></si></sst>";
  XlsxSharedStrings strings;
  strings.reserveFor(table.size());
  strings.beginLoading();
  std::atomic<int> waits{0};
  std::atomic<int> waitsForTheRow{-1};
  // Each step of the loading comes only once the reader has waited for it (or after 5 s).
  const auto until = [](const auto& done) {
    for (int slice = 0; slice < 500 && !done(); ++slice)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
  };
  std::thread loader([&] {
    until([&] { return waits.load() > 0; });
    XmlStream stream("book.xlsx", "xl/sharedStrings.xml", strings);
    stream.reset(std::make_unique<MemoryPartSource>(table));
    stream.parseAll();
    until([&] { return waitsForTheRow.load() >= 0 && waits.load() > waitsForTheRow.load(); });
    strings.endLoading(nullptr);
  });
  auto reader = testing::sheetReader(xml, strings);
  reader->setWhileWaiting([&] { ++waits; });
  ASSERT_TRUE(reader->nextRow());
  EXPECT_EQ(reader->cell(0).text, "b");
  waitsForTheRow = waits.load();
  EXPECT_GT(waitsForTheRow.load(), 0) << "nothing ran while the cell waited for its string";
  EXPECT_FALSE(reader->nextRow());
  EXPECT_GT(waits.load(), waitsForTheRow.load()) << "nothing ran while the end waited";
  loader.join();
}

TEST(XlsxSheetReader, AFailureOfTheStringsComesFromNextRowEvenWhenNoCellNeedsThem) {
  const std::string xml = testing::worksheet("<row r=\"1\"><c r=\"A1\"><v>1</v></c></row>");
  XlsxSharedStrings strings;
  strings.reserveFor(100);
  strings.beginLoading();
  strings.endLoading(std::make_exception_ptr(
      WorkbookError(Kind::LimitExceeded, "book.xlsx", "holds too many shared strings.")));
  auto reader = testing::sheetReader(xml, strings);
  try {
    while (reader->nextRow()) {
    }
    FAIL() << "read past a failed table";
  } catch (const WorkbookError& e) {
    EXPECT_EQ(e.kind(), Kind::LimitExceeded);
  }
}

}  // namespace
}  // namespace quillmere::source::xlsx
