// The rows and cells in the shapes LibreOffice and Excel write, read in one pass over their
// bytes without the scanner's events.
#include <algorithm>
#include <cstring>

#include "source/CellReference.h"
#include "source/ods/OdsElements.h"
#include "source/ods/OdsNames.h"
#include "source/ods/OdsRowParser.h"
#include "source/ods/OdsValues.h"
#include "source/xlsx/DecimalNumber.h"
#include "source/xlsx/XmlStream.h"

namespace quillmere::source::ods {

std::size_t OdsRowParser::takeElement(char* begin, const char* end) {
  if (failed() || tableEnded_) return 0;
  if (rowDepth_ == 0) {
    if (tableDepth_ != 0) return takeRow(begin, end);
    // The rows of the tables before this one: inside the spreadsheet, outside this table.
    const bool earlierTable = spreadsheetDepth_ != 0 && depth_ > spreadsheetDepth_ &&
                              tableDepth_ == 0 && tablesSeen_ <= table_;
    return earlierTable ? rowElementBytes(begin, end) : 0;
  }
  if (cellDepth_ != 0) return 0;
  return takeCell(begin, end);
}

std::size_t OdsRowParser::takeRow(const char* begin, const char* end) {
  // The row, its cells and their paragraphs must nest no deeper than the scanner allows.
  if (depth_ + 3 > xlsx::XmlStream::kMaxElementDepth) return 0;
  // Rows whose cells the events must read cost their cells twice here: past a few, stop trying.
  if (oddRows_ > kOddRowsTried && oddRows_ * 8 > takenRows_) return 0;
  const OdsRowStart start = readRowStart(begin, end);
  if (start.bytes == 0) return 0;
  const std::uint64_t repeatedBefore = repeatedCells_;
  resetRow(start.repeat);
  rowDepth_ = depth_ + 1;
  constexpr std::string_view kClose = "</table:table-row>";
  for (const char* p = begin + start.bytes;;) {
    // A cell's tag is told from the row's end tag by its second byte, before any compare.
    if (static_cast<std::size_t>(end - p) >= kClose.size() && p[1] == '/' &&
        std::memcmp(p, kClose.data(), kClose.size()) == 0) {
      ++takenRows_;
      finishRow();
      return static_cast<std::size_t>(p + kClose.size() - begin);
    }
    takingRow_ = true;
    const std::size_t took = p < end && *p == '<' ? takeCell(p, end) : 0;
    takingRow_ = false;
    if (took == 0 || failed()) {
      // The events read the row from its start tag; a row cut short by the end of the bytes at
      // hand is no odd one.
      if (end - p > kOddRowMargin) ++oddRows_;
      rowDepth_ = 0;
      repeatedCells_ = repeatedBefore;
      return 0;
    }
    p += took;
  }
}

std::size_t OdsRowParser::takeCell(const char* begin, const char* end) {
  const OdsCellElement element = readCellElement(begin, end);
  // Text a limit would refuse is left to the events, which refuse it in their words.
  if (element.bytes == 0 || element.paragraphs.size() > limits_.maxCellTextBytes) return 0;
  using Type = OdsCellElement::Type;
  if (element.type == Type::String && element.asWritten) {
    // Nearly every cell: what finishCell() makes of a string, without its detours.
    attributes_.repeat = element.repeat;
    if (!element.text.empty() && takingRow_) {
      storeCell(CellKind::Text, 0.0, 0, element.text.size(), element.text.data());
    } else if (!element.text.empty()) {
      const std::size_t start = rowText_.size();
      rowText_.append(element.text);
      storeCell(CellKind::Text, 0.0, start, element.text.size(), nullptr);
    }
    column_ += element.repeat;
    return element.bytes;
  }
  switch (element.type) {
    case Type::None:
      attributes_.type = ValueType::None;
      break;
    case Type::String:
      attributes_.type = ValueType::String;
      break;
    case Type::Float:
      attributes_.type = ValueType::Float;
      break;
    case Type::Percentage:
      attributes_.type = ValueType::Percentage;
      break;
    case Type::Currency:
      attributes_.type = ValueType::Currency;
      break;
  }
  // What beginCell(), the paragraph's events and finishCell() do for such a cell.
  attributes_.error = attributes_.hasStringValue = false;
  attributes_.repeat = element.repeat;
  attributes_.value.assign(element.value);
  covered_ = false;
  keepText_ = true;
  textStart_ = rowText_.size();
  if (element.asWritten) {
    rowText_.append(element.text);
  } else {
    paragraph_.beginCell();
    for (std::string_view paragraphs = element.paragraphs; !paragraphs.empty();) {
      paragraph_.beginParagraph(rowText_);
      paragraph_.appendText(rowText_, nextParagraph(paragraphs));
    }
  }
  finishCell();
  return element.bytes;
}

}  // namespace quillmere::source::ods
