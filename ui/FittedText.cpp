#include "ui/FittedText.h"

#include <QFontMetrics>
#include <QLabel>
#include <QRect>
#include <QStringList>

namespace quillmere::ui {

QString fittedText(const QString& text, const QLabel& label) {
  const QFontMetrics metrics(label.font());
  const auto fits = [&](const QString& shown) {
    return metrics.boundingRect(QRect(0, 0, label.width(), 1 << 20), Qt::TextWordWrap, shown)
               .height() <= label.height();
  };
  if (fits(text)) return text;
  QStringList words = text.split(QLatin1Char(' '));
  while (words.size() > 1) {
    words.removeLast();
    const QString shown = words.join(QLatin1Char(' ')) + QChar(0x2026);
    if (fits(shown)) return shown;
  }
  return QString(QChar(0x2026));
}

}  // namespace quillmere::ui
