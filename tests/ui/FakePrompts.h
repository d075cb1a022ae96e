#pragma once

#include <QString>
#include <deque>
#include <vector>

#include "ui/Prompts.h"

namespace quillmere::ui::test {

// Answers each prompt from a script. A prompt with no scripted answer left fails the running
// test at once and answers as a cancel would, so a forgotten script never blocks.
class FakePrompts : public Prompts {
 public:
  struct WorkbookRequest {
    QWidget* owner;
    QString title;
    QString filter;
  };
  struct SaveRequest {
    QString title;
    QString suggested;
    QString filter;
  };
  struct MessageRequest {
    QString text;
    QString caption;
    Buttons buttons;
    Icon icon;
  };

  std::deque<QString> workbookAnswers;
  std::deque<QString> folderAnswers;
  std::deque<QString> saveAnswers;
  std::deque<Answer> messageAnswers;

  std::vector<WorkbookRequest> workbookRequests;
  std::vector<QString> folderPrompts;
  std::vector<SaveRequest> saveRequests;
  std::vector<MessageRequest> messages;

  QString chooseWorkbookFile(QWidget* owner, const QString& title, const QString& filter) override;
  QString chooseFolder(QWidget* owner, const QString& prompt) override;
  QString chooseSaveFile(QWidget* owner, const QString& title, const QString& suggested,
                         const QString& filter) override;
  Answer message(QWidget* owner, const QString& text, const QString& caption, Buttons buttons,
                 Icon icon) override;
};

}  // namespace quillmere::ui::test
