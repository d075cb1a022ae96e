#include "ui/Controls.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

#include "ui/Fonts.h"
#include "ui/SeparatorLine.h"

namespace quillmere::ui::controls {

namespace {

const QColor kLineGrey(192, 192, 192);

}  // namespace

void setTextColour(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, colour);
  palette.setColor(QPalette::Text, colour);
  widget->setPalette(palette);
}

QLabel* label(const char* objectName, const QString& text, const QFont& font,
              const QString& accessibleName) {
  auto* widget = new QLabel(text);
  // Text at the top-left, where the layout's positions expect it.
  widget->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return named(widget, objectName, accessibleName.isEmpty() ? text.trimmed() : accessibleName,
               font);
}

SeparatorLine* line(const char* objectName) {
  return named(new SeparatorLine(kLineGrey), objectName,
               QCoreApplication::translate("Controls", "Separator"), Fonts::verdana());
}

QPushButton* button(const char* objectName, const QString& caption, const QString& accessibleName,
                    const QFont& font) {
  auto* widget = new QPushButton(caption);
  // Outside a dialog this only lets Enter press the focused button, as Space does.
  widget->setAutoDefault(true);
  return named(widget, objectName, accessibleName, font);
}

QComboBox* dropDownList(const char* objectName, const QString& accessibleName) {
  auto* widget = new QComboBox;
  widget->setEditable(false);
  return named(widget, objectName, accessibleName, Fonts::tahoma());
}

}  // namespace quillmere::ui::controls
