#include "ui/QtText.h"

#include <QCoreApplication>

#include "source/CellReference.h"

namespace quillmere::ui {

QString columnName(std::uint32_t column) {
  return QCoreApplication::translate("QtText", "Column %1")
      .arg(fromLatin(source::columnLetters(column)));
}

}  // namespace quillmere::ui
