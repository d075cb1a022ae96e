#include "ui/Controls.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QPalette>
#include <QPersistentModelIndex>
#include <QPushButton>
#include <QSignalBlocker>

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

namespace {

// Qt hears an item of a closed list as showing wherever it would lie in the list's last place;
// a list with no room while closed has none that a screen reader would read out.
class ClosedListWithoutRoom : public QObject {
 public:
  explicit ClosedListWithoutRoom(QAbstractItemView* view) : QObject(view), view_(view) {
    view_->resize(0, 0);
    view_->window()->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Hide) view_->resize(0, 0);
    // Opened again in the same place, the list takes its room back from the layout.
    if (event->type() == QEvent::Show && view_->window()->layout() != nullptr) {
      view_->window()->layout()->activate();
      view_->setGeometry(view_->window()->layout()->contentsRect());
    }
    return false;
  }

 private:
  QAbstractItemView* view_;
};

// Qt hears a view's current item as focused whether the view shows or not.
class CurrentItemWhileShown : public QObject {
 public:
  explicit CurrentItemWhileShown(QAbstractItemView* view) : QObject(view), view_(view) {
    view_->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Hide && view_->currentIndex().isValid()) {
      kept_ = view_->currentIndex();
      setCurrent(QModelIndex());
      // Said, so a screen reader that keeps the item's states hears it lose the focus.
      if (QAccessible::isActive()) {
        if (QAccessibleInterface* list = QAccessible::queryAccessibleInterface(view_)) {
          if (QAccessibleInterface* item = list->child(kept_.row())) {
            QAccessible::State changed;
            changed.focused = true;
            QAccessibleStateChangeEvent lost(item, changed);
            QAccessible::updateAccessibility(&lost);
          }
        }
      }
    } else if (event->type() == QEvent::Show && kept_.isValid()) {
      setCurrent(kept_);
      kept_ = QPersistentModelIndex();
    }
    return false;
  }

 private:
  void setCurrent(const QModelIndex& index) {
    const QSignalBlocker blockView(view_);
    const QSignalBlocker blockSelection(view_->selectionModel());
    view_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
  }

  QAbstractItemView* view_;
  QPersistentModelIndex kept_;
};

}  // namespace

void currentItemOnlyWhileShown(QAbstractItemView* view) {
  new CurrentItemWhileShown(view);
}

QComboBox* dropDownList(const char* objectName, const QString& accessibleName) {
  auto* widget = new QComboBox;
  widget->setEditable(false);
  new ClosedListWithoutRoom(widget->view());
  return named(widget, objectName, accessibleName, Fonts::tahoma());
}

}  // namespace quillmere::ui::controls
