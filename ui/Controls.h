#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QAbstractItemView;
class QComboBox;
class QLabel;
class QPushButton;
class QWidget;

namespace quillmere::ui {

class SeparatorLine;

// How the main window makes its controls, so every page gives them names, fonts and
// behaviour the same way. Each control is made without a parent; its page places it.
namespace controls {

void setTextColour(QWidget* widget, const QColor& colour);

// Gives the control its object name, spoken name and font.
template <typename Widget>
Widget* named(Widget* widget, const char* objectName, const QString& accessibleName,
              const QFont& font) {
  widget->setObjectName(QString::fromLatin1(objectName));
  widget->setAccessibleName(accessibleName);
  widget->setFont(font);
  return widget;
}

// A label heard as its text without surrounding spaces unless given a spoken name.
QLabel* label(const char* objectName, const QString& text, const QFont& font,
              const QString& accessibleName = QString());
// A grey rule one pixel high.
SeparatorLine* line(const char* objectName);
QPushButton* button(const char* objectName, const QString& caption, const QString& accessibleName,
                    const QFont& font);
// A pick list: the user chooses one of its items and types nothing.
QComboBox* dropDownList(const char* objectName, const QString& accessibleName);
// Lets `view`'s current item hold the focus a screen reader hears only while the view shows:
// hidden with its page, the view gives it up (its selection stays) and takes it back when
// shown again.
void currentItemOnlyWhileShown(QAbstractItemView* view);

}  // namespace controls

}  // namespace quillmere::ui
