#pragma once

#include <QString>

#include "ui/KeyringPasswords.h"
#include "ui/Shell.h"

namespace quillmere::ui {

// The real desktop: QDesktopServices, QStandardPaths and the keyring.
class QtShell : public Shell {
 public:
  // guideFile: where the user guide is expected; it is looked for again on every request.
  explicit QtShell(QString guideFile);

  bool open(const QString& target) override;
  QString defaultSaveFolder() override;
  QString userGuide() override;
  PasswordStore& passwords() override { return keyring_; }

 private:
  QString guideFile_;
  KeyringPasswords keyring_;
};

}  // namespace quillmere::ui
