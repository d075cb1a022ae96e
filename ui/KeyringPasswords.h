#pragma once

#include "ui/PasswordStore.h"

namespace quillmere::ui {

// The desktop's keyring (the Secret Service on Linux desktops), with no fallback to a file:
// where there is no keyring, nothing is kept and the user is told.
class KeyringPasswords : public PasswordStore {
 public:
  QString read(const QString& account) override;
  QString keep(const QString& account, const QString& password) override;
  QString forget(const QString& account) override;
};

}  // namespace quillmere::ui
