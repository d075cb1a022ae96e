#pragma once

#include <QAccessibleWidget>
#include <QStringList>

namespace quillmere::ui {

// A LinkLabel as assistive technology sees it: a link named by its text, with a press action
// that follows it (a plain label would be heard as static text with no way to act on it).
class LinkLabelAccessible : public QAccessibleWidget {
 public:
  explicit LinkLabelAccessible(QWidget* link);

  QString text(QAccessible::Text t) const override;
  QAccessible::State state() const override;
  QStringList actionNames() const override;
  void doAction(const QString& actionName) override;
};

}  // namespace quillmere::ui
