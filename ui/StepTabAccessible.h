#pragma once

#include <QAccessibleWidget>
#include <vector>

class QTabBar;

namespace quillmere::ui {

// The step tabs as assistive technology sees them: one page tab per step that reports itself
// disabled while the step is switched off (Qt's own tab bar reports every tab available).
class StepTabAccessible : public QAccessibleWidget {
 public:
  explicit StepTabAccessible(QWidget* tabBar);
  ~StepTabAccessible() override;

  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QString text(QAccessible::Text t) const override;

  QTabBar* tabBar() const;

 private:
  mutable std::vector<QAccessible::Id> tabs_;
};

}  // namespace quillmere::ui
