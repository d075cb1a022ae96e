#pragma once

#include <QString>
#include <map>
#include <optional>
#include <vector>

#include "ui/Shell.h"

namespace quillmere::ui::test {

// Records what would have been opened. The folder and the guide are what the test set; asking
// for one the test did not set fails the test.
// Passwords kept in memory, as the keyring would keep them.
class FakePasswords : public PasswordStore {
 public:
  std::map<QString, QString> kept;

  QString read(const QString& account) override {
    const auto found = kept.find(account);
    return found == kept.end() ? QString() : found->second;
  }
  QString keep(const QString& account, const QString& password) override {
    kept[account] = password;
    return {};
  }
  QString forget(const QString& account) override {
    kept.erase(account);
    return {};
  }
};

class FakeShell : public Shell {
 public:
  FakeShell();
  ~FakeShell() override;

  std::optional<QString> defaultFolder;
  std::optional<QString> guide;
  bool openSucceeds = true;

  std::vector<QString> opened;
  FakePasswords keyring;

  bool open(const QString& target) override;
  QString defaultSaveFolder() override;
  QString userGuide() override;
  PasswordStore& passwords() override { return keyring; }
};

}  // namespace quillmere::ui::test
