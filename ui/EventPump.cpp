#include "ui/EventPump.h"

#include <QCoreApplication>

namespace quillmere::ui {

bool EventPump::pumpIfDue() {
  if (!due()) return false;
  pump();
  return true;
}

void EventPump::pump() {
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  sinceLastPump_.restart();
}

}  // namespace quillmere::ui
