#pragma once

#include <QString>

namespace quillmere::ui {

// Passwords the user asked to be remembered, kept in the desktop's keyring by account, never
// in a settings file.
class PasswordStore {
 public:
  virtual ~PasswordStore() = default;

  // The password kept for `account`; empty when none is or the keyring cannot be reached.
  virtual QString read(const QString& account) = 0;
  // Keeps or forgets it; a sentence saying why when the keyring refused, else empty.
  virtual QString keep(const QString& account, const QString& password) = 0;
  virtual QString forget(const QString& account) = 0;
};

}  // namespace quillmere::ui
