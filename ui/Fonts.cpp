#include "ui/Fonts.h"

#include <QFontInfo>
#include <QStringList>

namespace quillmere::ui {

namespace {

void installStandIns() {
  static const bool installed = [] {
    // Ordered by how close each one's widths come to the original's.
    QFont::insertSubstitutions(QStringLiteral("Verdana"), {QStringLiteral("DejaVu Sans"),
                                                           QStringLiteral("Bitstream Vera Sans"),
                                                           QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(
        QStringLiteral("Tahoma"),
        {QStringLiteral("Wine Tahoma"), QStringLiteral("DejaVu Sans Condensed"),
         QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(
        QStringLiteral("MS Sans Serif"),
        {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"),
         QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")});
    return true;
  }();
  static_cast<void>(installed);
}

}  // namespace

QFont Fonts::verdana() {
  return make("Verdana", false);
}

QFont Fonts::tahoma(bool bold) {
  return make("Tahoma", bold);
}

QFont Fonts::msSansSerif() {
  return make("MS Sans Serif", false);
}

QFont Fonts::make(const char* family, bool bold) {
  installStandIns();
  const QString requested = QString::fromLatin1(family);
  QFont font(requested);
  font.setPointSizeF(kPointSize);
  font.setBold(bold);
  font.setStyleHint(QFont::SansSerif);
  // The stand-ins' spaces are wider than the originals'; the padded counter captions, which
  // line their colons up with runs of spaces, would no longer fit their labels.
  if (QFontInfo(font).family().compare(requested, Qt::CaseInsensitive) != 0) {
    font.setWordSpacing(kStandInWordSpacing);
  }
  return font;
}

}  // namespace quillmere::ui
