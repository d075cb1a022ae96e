#include "ui/StepTabWidget.h"

#include "ui/FixedHeightTabBar.h"

namespace quillmere::ui {

StepTabWidget::StepTabWidget(int tabHeight, QWidget* parent) : QTabWidget(parent) {
  setTabBar(new FixedHeightTabBar(tabHeight, this));
  // The three steps always fit in one row.
  setUsesScrollButtons(false);
  setElideMode(Qt::ElideNone);
}

}  // namespace quillmere::ui
