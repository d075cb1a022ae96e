#pragma once

#include <QString>

#include "ui/PasswordStore.h"

namespace quillmere::ui {

// What the window asks of the desktop around it: opening things, naming standard places and
// keeping passwords.
class Shell {
 public:
  virtual ~Shell() = default;

  // Opens a folder, a file or a web address with the user's default handler. False when the
  // desktop refused.
  virtual bool open(const QString& target) = 0;

  // The folder offered for exports before the user picks one; may be empty.
  virtual QString defaultSaveFolder() = 0;

  // The full path of the user guide shipped with the program; empty when it is not there.
  virtual QString userGuide() = 0;

  // Where the passwords the user asks to be remembered are kept.
  virtual PasswordStore& passwords() = 0;
};

}  // namespace quillmere::ui
