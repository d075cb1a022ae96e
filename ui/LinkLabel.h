#pragma once

#include <QLabel>
#include <QString>

class QShortcut;

namespace quillmere::ui {

// One link on its own line: reached with Tab, followed with Enter or Space as with the mouse,
// and heard as a link named by its text. Emits QLabel::linkActivated with its target.
class LinkLabel : public QLabel {
  Q_OBJECT

 public:
  explicit LinkLabel(QWidget* parent = nullptr);

  // An empty text makes no link; "&" marks the access key's letter.
  void setLink(const QString& text, const QString& target);
  const QString& linkText() const { return text_; }
  const QString& target() const { return target_; }
  void follow();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QString text_;
  QString target_;
  QShortcut* accessKey_;
};

}  // namespace quillmere::ui
