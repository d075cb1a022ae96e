#pragma once

#include <QTabBar>

namespace quillmere::ui {

// A tab bar whose tabs keep one height whatever the style would give them.
class FixedHeightTabBar : public QTabBar {
  Q_OBJECT

 public:
  FixedHeightTabBar(int height, QWidget* parent);

 protected:
  QSize tabSizeHint(int index) const override;
  QSize minimumTabSizeHint(int index) const override;

 private:
  int height_;
};

}  // namespace quillmere::ui
