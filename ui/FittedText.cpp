#include "ui/FittedText.h"

#include <QCoreApplication>
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

void showNotice(QLabel& notice, const QString& text) {
  // Shown cut at a word with an ellipsis where its lines cannot hold it all.
  notice.setAccessibleName(text.isEmpty() ? QCoreApplication::translate("frmMain", "Notice")
                                          : text);
  notice.setToolTip(text);
  notice.setText(fittedText(text, notice));
}

}  // namespace quillmere::ui
