#include "ui/StepTabAccessible.h"

#include <QTabBar>

namespace quillmere::ui {

namespace {

class StepTab : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  StepTab(StepTabAccessible* bar, int index) : bar_(bar), index_(index) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                : nullptr;
  }
  QObject* object() const override { return nullptr; }
  QAccessibleInterface* parent() const override { return bar_; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessible::Role role() const override { return QAccessible::PageTab; }
  void setText(QAccessible::Text, const QString&) override {}
  bool isValid() const override { return tabs() != nullptr && index_ < tabs()->count(); }

  QString text(QAccessible::Text t) const override {
    if (!isValid() || t != QAccessible::Name) return {};
    // An access-key mark is not spoken; a doubled one is a plain ampersand.
    QString name = tabs()->tabText(index_);
    name.replace(QLatin1String("&&"), QLatin1String("\x01"));
    name.remove(QLatin1Char('&'));
    name.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return name;
  }

  QRect rect() const override {
    if (!isValid()) return {};
    const QRect local = tabs()->tabRect(index_);
    return QRect(tabs()->mapToGlobal(local.topLeft()), local.size());
  }

  QAccessible::State state() const override {
    QAccessible::State s;
    if (!isValid()) {
      s.invalid = true;
      return s;
    }
    s.disabled = !tabs()->isEnabled() || !tabs()->isTabEnabled(index_);
    s.selectable = !s.disabled;
    s.focusable = !s.disabled;
    s.selected = tabs()->currentIndex() == index_;
    s.focused = s.selected && tabs()->hasFocus();
    s.invisible = !tabs()->isVisible() || !tabs()->isTabVisible(index_);
    return s;
  }

  QStringList actionNames() const override {
    return state().disabled ? QStringList() : QStringList{pressAction()};
  }
  void doAction(const QString& name) override {
    if (name == pressAction() && !state().disabled) tabs()->setCurrentIndex(index_);
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  QTabBar* tabs() const { return bar_->tabBar(); }

  StepTabAccessible* bar_;
  int index_;
};

}  // namespace

StepTabAccessible::StepTabAccessible(QWidget* tabBar)
    : QAccessibleWidget(tabBar, QAccessible::PageTabList) {}

StepTabAccessible::~StepTabAccessible() {
  for (const QAccessible::Id id : tabs_)
    QAccessible::deleteAccessibleInterface(id);
}

QTabBar* StepTabAccessible::tabBar() const {
  return qobject_cast<QTabBar*>(object());
}

int StepTabAccessible::childCount() const {
  return tabBar() != nullptr ? tabBar()->count() : 0;
}

QAccessibleInterface* StepTabAccessible::child(int index) const {
  if (index < 0 || index >= childCount()) return nullptr;
  while (tabs_.size() <= static_cast<std::size_t>(index)) {
    auto* tab = new StepTab(const_cast<StepTabAccessible*>(this), static_cast<int>(tabs_.size()));
    tabs_.push_back(QAccessible::registerAccessibleInterface(tab));
  }
  return QAccessible::accessibleInterface(tabs_[static_cast<std::size_t>(index)]);
}

int StepTabAccessible::indexOfChild(const QAccessibleInterface* child) const {
  for (int i = 0; i < childCount(); ++i) {
    if (this->child(i) == child) return i;
  }
  return -1;
}

QAccessibleInterface* StepTabAccessible::childAt(int x, int y) const {
  for (int i = 0; i < childCount(); ++i) {
    QAccessibleInterface* tab = child(i);
    if (tab->rect().contains(x, y)) return tab;
  }
  return nullptr;
}

QString StepTabAccessible::text(QAccessible::Text t) const {
  if (t == QAccessible::Name && tabBar() != nullptr) {
    const QString name = tabBar()->accessibleName();
    if (!name.isEmpty()) return name;
    if (tabBar()->parentWidget() != nullptr) return tabBar()->parentWidget()->accessibleName();
  }
  return QAccessibleWidget::text(t);
}

}  // namespace quillmere::ui
