#include "source/xlsx/CellElement.h"

#include <cstring>

#include "source/CellReference.h"

namespace quillmere::source::xlsx {

namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// What a number in <v> may hold: digits, a point, signs and an exponent.
bool isNumberByte(char c) {
  return isDigit(c) || c == '.' || c == '-' || c == '+' || c == 'E' || c == 'e';
}

bool startsWith(const char* p, const char* end, std::string_view text) {
  return static_cast<std::size_t>(end - p) >= text.size() &&
         std::memcmp(p, text.data(), text.size()) == 0;
}

}  // namespace

CellElement readCellElement(const char* begin, const char* end) {
  const CellElement none;
  CellElement cell;
  if (!startsWith(begin, end, "<c ")) return none;
  const char* p = begin + 3;
  unsigned seen = 0;  // r, t and s, each at most once
  for (;;) {
    // name="value", the names one letter.
    if (end - p < 4 || p[1] != '=' || p[2] != '"') return none;
    const char name = *p;
    p += 3;
    const char* const value = p;
    if (name == 'r') {
      if ((seen & 1u) != 0) return none;
      seen |= 1u;
      const ScannedReference reference =
          reference_detail::scan(p, [end](const char* q) { return q == end || *q == '"'; });
      if (reference.status != ScannedReference::Status::Ok || reference.position.row == 0) {
        return none;
      }
      cell.column = reference.position.column;
      cell.row = reference.position.row;
      while (p < end && *p != '"')
        ++p;
    } else if (name == 't') {
      if ((seen & 2u) != 0) return none;
      seen |= 2u;
      if (startsWith(p, end, "s\"")) {
        cell.type = CellElement::Type::SharedString;
      } else if (!startsWith(p, end, "n\"")) {
        return none;
      }
      ++p;
    } else if (name == 's') {
      if ((seen & 4u) != 0) return none;
      seen |= 4u;
      cell.styled = true;
      for (; p < end && isDigit(*p) && p - value < 9; ++p)
        cell.style = cell.style * 10 + static_cast<std::uint32_t>(*p - '0');
    } else {
      return none;
    }
    if (p == value || p == end || *p != '"') return none;
    ++p;
    if (p == end) return none;
    if (*p == ' ') {
      ++p;
      continue;
    }
    break;
  }
  if ((seen & 1u) == 0) return none;
  if (startsWith(p, end, "/>")) {
    cell.bytes = static_cast<std::size_t>(p + 2 - begin);
    return cell;
  }
  if (!startsWith(p, end, "><v>")) return none;
  p += 4;
  const char* const value = p;
  if (cell.type == CellElement::Type::SharedString) {
    while (p < end && isDigit(*p) && p - value < 9)
      ++p;
  } else {
    while (p < end && isNumberByte(*p) && p - value < 32)
      ++p;
  }
  if (p == value || !startsWith(p, end, "</v></c>")) return none;
  cell.value = std::string_view(value, static_cast<std::size_t>(p - value));
  cell.bytes = static_cast<std::size_t>(p + 8 - begin);
  return cell;
}

}  // namespace quillmere::source::xlsx
