#include "ui/SeparatorLine.h"

#include <QPalette>

namespace quillmere::ui {

SeparatorLine::SeparatorLine(const QColor& colour, QWidget* parent) : QFrame(parent) {
  setFrameShape(QFrame::HLine);
  setFrameShadow(QFrame::Plain);
  setLineWidth(1);
  setFocusPolicy(Qt::NoFocus);
  QPalette palette = this->palette();
  palette.setColor(QPalette::WindowText, colour);
  setPalette(palette);
}

}  // namespace quillmere::ui
