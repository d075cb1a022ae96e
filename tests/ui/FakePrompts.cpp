#include "tests/ui/FakePrompts.h"

#include <QTest>

namespace quillmere::ui::test {

namespace {

template <typename T>
T next(std::deque<T>& answers, const QString& what, T cancelled) {
  if (answers.empty()) {
    QTest::qFail(qPrintable(QStringLiteral("Unscripted prompt: %1").arg(what)), __FILE__, __LINE__);
    return cancelled;
  }
  T answer = answers.front();
  answers.pop_front();
  return answer;
}

}  // namespace

QString FakePrompts::chooseWorkbookFile(QWidget* owner, const QString& title,
                                        const QString& filter) {
  workbookRequests.push_back({owner, title, filter});
  return next(workbookAnswers, QStringLiteral("workbook file, filter ") + filter, QString());
}

QString FakePrompts::chooseFolder(QWidget*, const QString& prompt) {
  folderPrompts.push_back(prompt);
  return next(folderAnswers, QStringLiteral("folder, prompt ") + prompt, QString());
}

QString FakePrompts::chooseSaveFile(QWidget*, const QString& title, const QString& suggested,
                                    const QString& filter) {
  saveRequests.push_back({title, suggested, filter});
  return next(saveAnswers, QStringLiteral("file to save, title ") + title, QString());
}

Prompts::Answer FakePrompts::message(QWidget*, const QString& text, const QString& caption,
                                     Buttons buttons, Icon icon) {
  messages.push_back({text, caption, buttons, icon});
  return next(messageAnswers, QStringLiteral("message ") + text,
              buttons == Buttons::YesNo ? Answer::No : Answer::Ok);
}

}  // namespace quillmere::ui::test
