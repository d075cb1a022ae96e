#include "ui/Module1.h"

#include "ui/Prompts.h"
#include "ui/Shell.h"

namespace quillmere::ui {

QString BrowseForFolder(Prompts& prompts, QWidget* owner, const QString& prompt) {
  return prompts.chooseFolder(owner, prompt);
}

QString GetDefaultSaveFolder(Shell& shell) {
  return shell.defaultSaveFolder();
}

void ShellOpen(Shell& shell, const QString& target) {
  if (target.isEmpty()) return;
  // The desktop's refusal has nowhere useful to go: the user sees that nothing opened.
  static_cast<void>(shell.open(target));
}

}  // namespace quillmere::ui
