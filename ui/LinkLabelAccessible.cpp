#include "ui/LinkLabelAccessible.h"

#include <QAccessibleActionInterface>

#include "ui/LinkLabel.h"

namespace quillmere::ui {

LinkLabelAccessible::LinkLabelAccessible(QWidget* link)
    : QAccessibleWidget(link, QAccessible::Link) {}

QString LinkLabelAccessible::text(QAccessible::Text t) const {
  const auto* link = static_cast<const LinkLabel*>(widget());
  // With no link to show, the name the window gave it says what it is for.
  if (t == QAccessible::Name && !link->linkText().isEmpty()) return link->linkText();
  return QAccessibleWidget::text(t);
}

QAccessible::State LinkLabelAccessible::state() const {
  QAccessible::State state = QAccessibleWidget::state();
  state.linked = true;
  return state;
}

QStringList LinkLabelAccessible::actionNames() const {
  return {QAccessibleActionInterface::pressAction()};
}

void LinkLabelAccessible::doAction(const QString& actionName) {
  if (actionName == QAccessibleActionInterface::pressAction()) {
    static_cast<LinkLabel*>(widget())->follow();
  }
}

}  // namespace quillmere::ui
