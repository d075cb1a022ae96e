#pragma once

#include <QToolBar>

namespace quillmere::ui {

// A toolbar that paints no panel of its own: it lies over the banner, which shows through
// around its buttons.
class TransparentToolBar : public QToolBar {
  Q_OBJECT

 public:
  TransparentToolBar(const QString& title, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent*) override;
};

}  // namespace quillmere::ui
