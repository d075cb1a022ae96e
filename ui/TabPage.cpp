#include "ui/TabPage.h"

#include <QEvent>

namespace quillmere::ui {

TabPage::TabPage(QWidget* tabControl, QWidget* parent) : QWidget(parent), tabControl_(tabControl) {}

void TabPage::place(QWidget* child, const QRect& rectInTabControl) {
  child->setParent(this);
  places_.emplace_back(child, rectInTabControl);
  applyPlaces();
}

bool TabPage::event(QEvent* event) {
  if (event->type() == QEvent::ParentChange) {
    if (watchedParent_ != nullptr) watchedParent_->removeEventFilter(this);
    watchedParent_ = parentWidget();
    if (watchedParent_ != nullptr) watchedParent_->installEventFilter(this);
    applyPlaces();
  }
  return QWidget::event(event);
}

bool TabPage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == watchedParent_ &&
      (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
    applyPlaces();
  }
  return QWidget::eventFilter(watched, event);
}

void TabPage::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  applyPlaces();
}

void TabPage::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  applyPlaces();
}

void TabPage::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  applyPlaces();
}

void TabPage::applyPlaces() {
  // Before the page is inside the tab control the offset is unknown; the first move fixes it.
  const QPoint offset =
      tabControl_->isAncestorOf(this) ? mapTo(tabControl_, QPoint(0, 0)) : QPoint(0, 0);
  for (auto& [child, rect] : places_)
    child->setGeometry(rect.translated(-offset));
}

}  // namespace quillmere::ui
