#include "ui/QtText.h"

#include "source/CellReference.h"

namespace quillmere::ui {

QString columnName(std::uint32_t column) {
  return QStringLiteral("Column ") + fromLatin(source::columnLetters(column));
}

}  // namespace quillmere::ui
