#pragma once

#include <QString>
#include <utility>

#include "ui/Shell.h"

namespace quillmere::bench {

// A desktop that opens nothing, offers `folder` for exports and keeps no password.
class BenchShell : public ui::Shell {
 public:
  explicit BenchShell(QString folder = {}) : folder_(std::move(folder)) {}
  bool open(const QString&) override { return true; }
  QString defaultSaveFolder() override { return folder_; }
  QString userGuide() override { return {}; }
  ui::PasswordStore& passwords() override { return nothingKept_; }

 private:
  class NothingKept : public ui::PasswordStore {
   public:
    QString read(const QString&) override { return {}; }
    QString keep(const QString&, const QString&) override { return {}; }
    QString forget(const QString&) override { return {}; }
  };
  QString folder_;
  NothingKept nothingKept_;
};

}  // namespace quillmere::bench
