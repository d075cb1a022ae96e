#include "source/xlsx/CellElement.h"

#include <cstring>

#include "source/CellReference.h"

namespace quillmere::source::xlsx {

namespace {

bool isDigit(char c) {
  return static_cast<unsigned char>(c - '0') < 10;
}

// What a number in <v> may hold: digits, a point, signs and an exponent.
bool isNumberByte(char c) {
  return isDigit(c) || c == '.' || c == '-' || c == '+' || c == 'E' || c == 'e';
}

// The longest element of these shapes, with room to spare: with at least this many bytes at
// hand, no step below needs to look for the end of them.
constexpr std::ptrdiff_t kLongestBytes = 128;
// <c r=", the reference and its quote, then t, s, <v>, the value and the end tags.
static_assert(6 + kMostQuotedReferenceBytes + 72 <= kLongestBytes);
constexpr std::size_t kLongestValue = 32;

}  // namespace

CellElement readCellElement(const char* begin, const char* end) {
  const CellElement none;
  // Too near the end of the bytes at hand: the general parser waits for more.
  if (end - begin < kLongestBytes || std::memcmp(begin, "<c r=\"", 6) != 0) return none;
  CellElement cell;
  // The reference up to its closing quote, with its row and within the grid; anything else
  // there is for the general parser to refuse or read.
  const ScannedReference reference = scanCellReference(begin + 6, '"');
  if (reference.status != ScannedReference::Status::Ok || reference.position.row == 0) return none;
  cell.column = reference.position.column;
  cell.row = reference.position.row;
  const char* p = reference.end + 1;
  // Then t and s, each once, in either order.
  bool typed = false;
  while (*p == ' ') {
    if (p[2] != '=' || p[3] != '"') return none;
    const char name = p[1];
    p += 4;
    if (name == 't' && !typed && (p[0] == 's' || p[0] == 'n') && p[1] == '"') {
      typed = true;
      if (p[0] == 's') cell.type = CellElement::Type::SharedString;
      p += 2;
    } else if (name == 's' && !cell.styled) {
      cell.styled = true;
      const char* const digits = p;
      for (; isDigit(*p); ++p) {
        if (p - digits == 9) return none;
        cell.style = cell.style * 10 + static_cast<std::uint32_t>(*p - '0');
      }
      if (p == digits || *p != '"') return none;
      ++p;
    } else {
      return none;
    }
  }
  if (p[0] == '/' && p[1] == '>') {
    cell.bytes = static_cast<std::size_t>(p + 2 - begin);
    return cell;
  }
  if (std::memcmp(p, "><v>", 4) != 0) return none;
  p += 4;
  const char* const value = p;
  if (cell.type == CellElement::Type::SharedString) {
    for (; isDigit(*p); ++p) {
      if (p - value == 9) return none;
      cell.index = cell.index * 10 + static_cast<std::uint32_t>(*p - '0');
    }
  } else {
    while (isNumberByte(*p) && static_cast<std::size_t>(p - value) < kLongestValue)
      ++p;
  }
  if (p == value || std::memcmp(p, "</v></c>", 8) != 0) return none;
  cell.value = std::string_view(value, static_cast<std::size_t>(p - value));
  cell.bytes = static_cast<std::size_t>(p + 8 - begin);
  return cell;
}

}  // namespace quillmere::source::xlsx
