#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QPointer>
#include <QThreadPool>
#include <functional>
#include <memory>

namespace quillmere::carddav {

// Runs `work` on a pooled thread, then `then` with its result on the main thread, unless
// `context` has gone meanwhile. For what would hold the window's thread for long: reading and
// comparing a whole address book's cards.
template <typename Result>
void runOffThread(QObject& context, std::function<Result()> work,
                  std::function<void(Result&)> then) {
  QThreadPool::globalInstance()->start([guard = QPointer<QObject>(&context), work = std::move(work),
                                        then = std::move(then)]() mutable {
    auto result = std::make_shared<Result>(work());
    QCoreApplication* application = QCoreApplication::instance();
    if (application == nullptr) return;
    QMetaObject::invokeMethod(
        application,
        [guard = std::move(guard), then = std::move(then), result] {
          if (guard) then(*result);
        },
        Qt::QueuedConnection);
  });
}

}  // namespace quillmere::carddav
