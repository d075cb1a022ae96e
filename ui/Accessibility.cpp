#include "ui/Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "ui/FixedHeightTabBar.h"
#include "ui/LinkLabel.h"
#include "ui/LinkLabelAccessible.h"
#include "ui/SeparatorLine.h"
#include "ui/StepTabAccessible.h"

namespace quillmere::ui {

namespace {

QAccessibleInterface* accessibleFor(const QString& className, QObject* object) {
  if (object == nullptr || !object->isWidgetType()) return nullptr;
  auto* widget = static_cast<QWidget*>(object);
  if (className == QLatin1String(SeparatorLine::staticMetaObject.className())) {
    return new QAccessibleWidget(widget, QAccessible::Separator);
  }
  if (className == QLatin1String(FixedHeightTabBar::staticMetaObject.className())) {
    return new StepTabAccessible(widget);
  }
  if (className == QLatin1String(LinkLabel::staticMetaObject.className())) {
    return new LinkLabelAccessible(widget);
  }
  return nullptr;
}

}  // namespace

void installAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(accessibleFor);
    return true;
  }();
  static_cast<void>(installed);
}

}  // namespace quillmere::ui
