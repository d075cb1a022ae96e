#include "ui/LocaleNumbers.h"

#include <QLocale>

namespace quillmere::ui {

char localeDecimalSeparator() {
  const QString point = QLocale().decimalPoint();
  if (point.size() != 1 || point.at(0).unicode() >= 0x80) return '.';
  return static_cast<char>(point.at(0).unicode());
}

}  // namespace quillmere::ui
