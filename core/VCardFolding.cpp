#include "core/VCardFolding.h"

#include <string_view>

namespace quillmere::core {

namespace {

bool continuationByte(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

void fold30(std::string& out, std::size_t lineStart) {
  const std::string line = out.substr(lineStart);
  out.resize(lineStart);
  std::size_t at = 0;
  std::size_t room = kFoldOctets;
  while (line.size() - at > room) {
    std::size_t cut = at + room;
    while (cut > at + 1 && continuationByte(line[cut]))
      --cut;
    out.append(line, at, cut - at);
    out += "\r\n ";
    at = cut;
    room = kFoldOctets - 1;  // the leading space counts
  }
  out.append(line, at, std::string::npos);
}

void fold21QuotedPrintable(std::string& out, std::size_t lineStart, std::size_t valueAt) {
  const std::string line = out.substr(lineStart);
  out.resize(lineStart);
  // Each line with its soft break's "=" keeps within 76 characters, as quoted-printable asks.
  constexpr std::size_t kRoom = kFoldOctets;
  std::size_t at = 0;
  std::size_t lineUsed = 0;
  while (at < line.size()) {
    const std::size_t unit = at >= valueAt && line[at] == '=' ? 3 : 1;
    if (at >= valueAt && lineUsed + unit > kRoom && at < line.size()) {
      out += "=\r\n";
      lineUsed = 0;
    }
    out.append(line, at, unit);
    lineUsed += unit;
    at += unit;
  }
}

void fold21Plain(std::string& out, std::size_t lineStart) {
  const std::string line = out.substr(lineStart);
  out.resize(lineStart);
  std::size_t at = 0;
  while (line.size() - at > kFoldOctets) {
    const std::size_t space = line.rfind(' ', at + kFoldOctets);
    if (space == std::string::npos || space <= at) break;
    out.append(line, at, space - at);
    out += "\r\n";
    at = space;
  }
  out.append(line, at, std::string::npos);
}

}  // namespace

void foldLine(std::string& out, std::size_t lineStart, VCardDialect dialect) {
  if (out.size() - lineStart <= kFoldOctets) return;
  if (dialect != VCardDialect::V21) {
    fold30(out, lineStart);
    return;
  }
  const std::string_view line = std::string_view(out).substr(lineStart);
  const std::size_t colon = line.find(':');
  if (line.substr(0, colon).find("ENCODING=QUOTED-PRINTABLE") != std::string_view::npos) {
    fold21QuotedPrintable(out, lineStart, colon + 1);
  } else {
    fold21Plain(out, lineStart);
  }
}

}  // namespace quillmere::core
