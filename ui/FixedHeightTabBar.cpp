#include "ui/FixedHeightTabBar.h"

namespace quillmere::ui {

FixedHeightTabBar::FixedHeightTabBar(int height, QWidget* parent)
    : QTabBar(parent), height_(height) {}

QSize FixedHeightTabBar::tabSizeHint(int index) const {
  QSize size = QTabBar::tabSizeHint(index);
  size.setHeight(height_);
  return size;
}

QSize FixedHeightTabBar::minimumTabSizeHint(int index) const {
  return tabSizeHint(index);
}

}  // namespace quillmere::ui
