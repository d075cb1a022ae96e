#pragma once

#include "ui/Prompts.h"

namespace quillmere::ui {

// The real dialogs: QFileDialog and QMessageBox.
class QtPrompts : public Prompts {
 public:
  QString chooseWorkbookFile(QWidget* owner, const QString& title, const QString& filter) override;
  QString chooseFolder(QWidget* owner, const QString& prompt) override;
  QString chooseSaveFile(QWidget* owner, const QString& title, const QString& suggested,
                         const QString& filter) override;
  Answer message(QWidget* owner, const QString& text, const QString& caption, Buttons buttons,
                 Icon icon) override;
};

}  // namespace quillmere::ui
