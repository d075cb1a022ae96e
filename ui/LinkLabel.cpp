#include "ui/LinkLabel.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QShortcut>

namespace quillmere::ui {

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent), accessKey_(new QShortcut(this)) {
  // A shortcut of a hidden widget never fires, so the key acts only while the link shows.
  connect(accessKey_, &QShortcut::activated, this, &LinkLabel::follow);
  setTextFormat(Qt::RichText);
  setTextInteractionFlags(Qt::LinksAccessibleByMouse);
  setFocusPolicy(Qt::StrongFocus);
  setWordWrap(false);
}

void LinkLabel::setLink(const QString& text, const QString& target) {
  // "&" marks the access key's letter, as in a button's caption.
  const qsizetype mark = text.indexOf(QLatin1Char('&'));
  text_ = QString(text).remove(QLatin1Char('&'));
  target_ = target;
  QString shown = text_.toHtmlEscaped();
  if (mark >= 0 && mark < text_.size()) {
    shown = text_.left(mark).toHtmlEscaped() + QStringLiteral("<u>") +
            text_.mid(mark, 1).toHtmlEscaped() + QStringLiteral("</u>") +
            text_.mid(mark + 1).toHtmlEscaped();
  }
  setText(text.isEmpty()
              ? QString()
              : QStringLiteral("<a href=\"%1\">%2</a>").arg(target.toHtmlEscaped(), shown));
  accessKey_->setKey(QKeySequence::mnemonic(text));
  setToolTip(text_);
}

void LinkLabel::follow() {
  if (!target_.isEmpty()) emit linkActivated(target_);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      follow();
      return;
    default:
      QLabel::keyPressEvent(event);
  }
}

}  // namespace quillmere::ui
