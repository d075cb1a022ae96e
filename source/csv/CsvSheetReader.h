#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "source/CellReference.h"
#include "source/InputFile.h"
#include "source/ReadLimits.h"
#include "source/SheetReader.h"
#include "source/csv/CsvFormat.h"
#include "source/csv/CsvTextDecoder.h"
#include "source/csv/LineDecoder.h"

namespace quillmere::source::csv {

// Text read from the disk at a time; a record longer than this makes the buffer grow.
inline constexpr std::size_t kDefaultBufferBytes = std::size_t{1} << 20;
// The longest record (one line, or several joined by quoted line breaks) that is read. No
// contact comes near it; the buffer that holds the record peaks at 1.5 times this.
inline constexpr std::size_t kMaxRecordBytes = std::size_t{64} << 20;

// The rows of a text file of values, read through one buffer. Cells point into the buffer:
// a record is kept whole in it, and doubled quotes are undone in place.
class CsvSheetReader : public SheetReader {
 public:
  CsvSheetReader(InputFile file, const CsvFormat& format, const ReadLimits& limits,
                 std::size_t bufferBytes = kDefaultBufferBytes);

  std::uint32_t gridRows() const override;
  bool nextRow() override;
  std::uint32_t rowNumber() const override { return row_; }
  std::size_t cellCount() const override { return fields_.size(); }
  CellValue cell(std::size_t column) const override;
  void rewind() override;

 private:
  struct Field {
    std::uint32_t offset;  // from the start of the record
    std::uint32_t length;  // 0 for an empty field
  };

  // Parses the record at next_ into fields_; false at the end of the file.
  bool readRecord();

  // Moves the unfinished record to the buffer's start and reads more text behind it. Indices
  // into the buffer drop by the old begin_ whether or not anything was read; false at the
  // end of the file.
  bool refill();

  // `quoteLine` is the line a quoted value's opening quote is on, 0 for an unquoted one.
  void checkFieldLength(std::size_t length, std::uint64_t quoteLine) const {
    if (length > limits_.maxCellTextBytes) throwFieldTooLong(quoteLine);
  }
  [[noreturn]] void throwFieldTooLong(std::uint64_t quoteLine) const;
  [[noreturn]] void throwUnclosedQuote(std::uint64_t quoteLine) const;
  // The row of the record being read, for an error; nothing once it is past the grid.
  std::optional<std::uint32_t> currentRow() const {
    if (records_ > kMaxGridRows) return std::nullopt;
    return static_cast<std::uint32_t>(records_);
  }

  // Decodes the `got` bytes of UTF-16 in raw_ to end_; returns the bytes written.
  std::size_t decodeUtf16(std::size_t got);
  // Refuses the file where lines_ stopped.
  void checkLines();

  // The first separator, CR or LF in [p, end), or end.
  const char* findStop(const char* p, const char* end) const;
  [[noreturn]] void throwCorrupt(const std::string& problem) const;

  InputFile file_;
  CsvFormat format_;
  ReadLimits limits_;
  CsvTextDecoder utf16_;
  LineDecoder lines_;         // any other text, decoded in buffer_ where it is read
  std::vector<char> buffer_;  // UTF-8 text
  std::vector<char> raw_;     // UTF-16 before decoding, or other text moved aside to decode
  std::size_t minRoom_;       // free bytes a read needs in buffer_
  std::size_t readBytes_;     // the most a read takes
  std::size_t begin_ = 0;     // the current record
  std::size_t next_ = 0;      // the record after it
  std::size_t end_ = 0;       // the end of the text in buffer_
  std::size_t held_ = 0;      // bytes after end_ of a character the next read completes
  bool eof_ = false;
  std::uint64_t bytesRead_ = 0;
  std::uint64_t records_ = 0;  // records parsed, empty lines included
  // Line breaks inside the quoted values read so far: with records_ they give the line a
  // record starts on.
  std::uint64_t lineBreaksInValues_ = 0;
  std::uint32_t row_ = 0;
  std::vector<Field> fields_;
  bool stops_[256] = {};  // bytes that end an unquoted field
};

}  // namespace quillmere::source::csv
