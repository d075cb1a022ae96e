#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "source/CellValue.h"
#include "source/ReadLimits.h"
#include "source/xls/BiffRecordCursor.h"
#include "source/xls/BiffVersion.h"
#include "source/xls/WorkbookStream.h"
#include "source/xls/XlsSharedStrings.h"
#include "source/xls/XlsTextDecoder.h"

namespace quillmere::source::xls {

// One stored cell of a worksheet as its record gives it.
struct ParsedCell {
  std::uint16_t row = 0;  // counted from 0
  std::uint16_t column = 0;
  // A text view points into the shared strings or a static error code when `lasting` is
  // set, else into the reader's own buffer, which the next call to next() overwrites.
  CellValue value;
  bool lasting = false;
};

// Hands out the value cells of one worksheet sub-stream in record order: blanks are left
// out, a MULRK gives one cell per column, a string formula takes the STRING record after it.
// Records of embedded charts (nested BOF ... EOF) are passed over.
class CellRecordReader {
 public:
  // `start` is the offset of the sheet's BOF record in `stream`.
  CellRecordReader(const std::filesystem::path& file, const WorkbookStream& stream,
                   std::size_t start, BiffVersion version, const XlsTextDecoder& decoder,
                   const XlsSharedStrings& sharedStrings, const ReadLimits& limits);

  // The next cell, or false at the sheet's end.
  bool next(ParsedCell& cell);

  void restart();

 private:
  bool decode(const BiffRecord& record, ParsedCell& cell);
  bool nextOfMulRk(ParsedCell& cell);
  void decodeFormula(const BiffRecord& record, std::size_t resultOffset, ParsedCell& cell,
                     bool& stored);
  void takeText(ParsedCell& cell);
  void appendCodePage(std::string_view bytes);
  void require(const BiffRecord& record, std::size_t bytes) const;

  const std::filesystem::path* file_;
  std::size_t start_;
  BiffVersion version_;
  const XlsTextDecoder* decoder_;
  const XlsSharedStrings* sharedStrings_;
  ReadLimits limits_;
  BiffRecordCursor cursor_;
  int depth_ = 0;
  bool done_ = false;
  std::string_view mulRk_;  // the MULRK being handed out, column by column
  std::size_t mulRkNext_ = 0;
  std::size_t mulRkCount_ = 0;
  std::string text_;
};

}  // namespace quillmere::source::xls
