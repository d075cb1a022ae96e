#pragma once

#include <QColor>
#include <QFrame>

namespace quillmere::ui {

// A thin horizontal rule in one colour; assistive technology hears it as a separator.
class SeparatorLine : public QFrame {
  Q_OBJECT

 public:
  SeparatorLine(const QColor& colour, QWidget* parent = nullptr);
};

}  // namespace quillmere::ui
