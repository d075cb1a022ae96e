#pragma once

#include <QTabWidget>

namespace quillmere::ui {

// A tab control whose tabs all have one fixed height, so the pages start where the window's
// fixed layout expects them, whatever the style's own tab height.
class StepTabWidget : public QTabWidget {
  Q_OBJECT

 public:
  StepTabWidget(int tabHeight, QWidget* parent);
};

}  // namespace quillmere::ui
