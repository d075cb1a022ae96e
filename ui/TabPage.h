#pragma once

#include <QRect>
#include <QWidget>
#include <utility>
#include <vector>

namespace quillmere::ui {

// One page of the step tabs. Its controls are placed relative to the tab control's corner,
// not the page's, and the page only learns where it sits inside the tab control once the
// style has laid the control out; so it keeps each control's intended place and applies it
// again whenever the page or the page stack around it moves or is resized.
class TabPage : public QWidget {
  Q_OBJECT

 public:
  TabPage(QWidget* tabControl, QWidget* parent = nullptr);

  // Makes child a control of this page at rectInTabControl (pixels from the tab control's
  // top-left corner).
  void place(QWidget* child, const QRect& rectInTabControl);

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void applyPlaces();

  QWidget* tabControl_;
  QWidget* watchedParent_ = nullptr;
  std::vector<std::pair<QWidget*, QRect>> places_;
};

}  // namespace quillmere::ui
