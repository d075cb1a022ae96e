#include "ui/TransparentToolBar.h"

namespace quillmere::ui {

TransparentToolBar::TransparentToolBar(const QString& title, QWidget* parent)
    : QToolBar(title, parent) {
  setAutoFillBackground(false);
  setAttribute(Qt::WA_TranslucentBackground);
}

void TransparentToolBar::paintEvent(QPaintEvent*) {}

}  // namespace quillmere::ui
