#pragma once

#include <QString>
#include <cstdint>
#include <string_view>

namespace quillmere::ui {

// The program's name as captions and status panels show it.
inline QString productName() {
  return QStringLiteral("Quillmere");
}

// Text from core and source comes as UTF-8; names and captions they make up are ASCII.
inline QString fromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QString fromLatin(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// A sheet column as a spreadsheet names it: "Column C" for column 2 (counted from 0).
QString columnName(std::uint32_t column);

}  // namespace quillmere::ui
