#pragma once

#include <QString>

class QWidget;

namespace quillmere::ui {

// Every modal question the window asks the user. The window only ever talks to this
// interface, so tests can answer from a script instead of blocking on a real dialog.
class Prompts {
 public:
  enum class Buttons { Ok, YesNo };
  enum class Icon { None, Information, Warning, Critical, Question };
  enum class Answer { Ok, Yes, No };

  virtual ~Prompts() = default;

  // A workbook to open, as a full path; empty when the user cancelled. An empty title keeps
  // the platform's own.
  virtual QString chooseWorkbookFile(QWidget* owner, const QString& title,
                                     const QString& filter) = 0;

  // An existing folder; empty when the user cancelled or no path could be had.
  virtual QString chooseFolder(QWidget* owner, const QString& prompt) = 0;

  // A file to save, as a full path, starting from `suggested`; empty when the user
  // cancelled. A file that exists already is chosen only once the user has agreed to
  // replace it. Prompts for a window that never saves a file may keep this answer of a
  // cancelled dialog.
  virtual QString chooseSaveFile(QWidget* /*owner*/, const QString& /*title*/,
                                 const QString& /*suggested*/, const QString& /*filter*/) {
    return QString();
  }

  virtual Answer message(QWidget* owner, const QString& text, const QString& caption,
                         Buttons buttons, Icon icon) = 0;
};

}  // namespace quillmere::ui
