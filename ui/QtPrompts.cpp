#include "ui/QtPrompts.h"

#include <QFileDialog>
#include <QMessageBox>

namespace quillmere::ui {

QString QtPrompts::chooseWorkbookFile(QWidget* owner, const QString& title, const QString& filter) {
  return QFileDialog::getOpenFileName(owner, title, QString(), filter);
}

QString QtPrompts::chooseFolder(QWidget* owner, const QString& prompt) {
  return QFileDialog::getExistingDirectory(owner, prompt, QString(), QFileDialog::ShowDirsOnly);
}

QString QtPrompts::chooseSaveFile(QWidget* owner, const QString& title, const QString& suggested,
                                  const QString& filter) {
  QFileDialog dialog(owner, title, QString(), filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  // The dialog itself asks before an existing file is replaced.
  dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
  dialog.setDefaultSuffix(QStringLiteral("csv"));
  dialog.selectFile(suggested);
  if (dialog.exec() != QDialog::Accepted) return QString();
  const QStringList chosen = dialog.selectedFiles();
  return chosen.isEmpty() ? QString() : chosen.front();
}

Prompts::Answer QtPrompts::message(QWidget* owner, const QString& text, const QString& caption,
                                   Buttons buttons, Icon icon) {
  QMessageBox box(owner);
  box.setText(text);
  box.setWindowTitle(caption);
  switch (icon) {
    case Icon::None:
      box.setIcon(QMessageBox::NoIcon);
      break;
    case Icon::Information:
      box.setIcon(QMessageBox::Information);
      break;
    case Icon::Warning:
      box.setIcon(QMessageBox::Warning);
      break;
    case Icon::Critical:
      box.setIcon(QMessageBox::Critical);
      break;
    case Icon::Question:
      box.setIcon(QMessageBox::Question);
      break;
  }
  if (buttons == Buttons::YesNo) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
  } else {
    box.setStandardButtons(QMessageBox::Ok);
  }
  const int pressed = box.exec();
  if (buttons == Buttons::Ok) return Answer::Ok;
  // Closing a Yes/No box with its close button or Escape counts as No.
  return pressed == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

}  // namespace quillmere::ui
