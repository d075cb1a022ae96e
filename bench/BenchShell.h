#pragma once

#include <QCoreApplication>
#include <QString>
#include <cstdio>
#include <utility>

#include "ui/Clock.h"
#include "ui/Prompts.h"
#include "ui/Shell.h"
#include "ui/frmMain.h"

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

// Answers the file dialog with the benchmark's file. Any message fails the run, but for the
// closing question where a run is to end with it: that is answered Yes, keeping the window open.
class BenchPrompts : public ui::Prompts {
 public:
  explicit BenchPrompts(QString file, bool closingExpected = false)
      : file_(std::move(file)), closingExpected_(closingExpected) {}
  QString chooseWorkbookFile(QWidget*, const QString&, const QString&) override { return file_; }
  QString chooseFolder(QWidget*, const QString&) override { return {}; }
  Answer message(QWidget*, const QString& text, const QString&, Buttons buttons, Icon) override {
    if (closingExpected_ && buttons == Buttons::YesNo && !closingAsked) {
      closingAsked = true;
      return Answer::Yes;
    }
    std::fprintf(stderr, "message: %s\n", qPrintable(text));
    failed = true;
    return Answer::Ok;
  }
  bool closingAsked = false;
  bool failed = false;

 private:
  QString file_;
  bool closingExpected_;
};

// Offscreen unless the caller says otherwise; before the QApplication is made.
inline void offscreenByDefault() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
}

// The real main window, shown, with the benchmark's desktop and prompts. `file` answers the
// file dialog and `folder` is the saving location offered.
struct BenchWindow {
  explicit BenchWindow(const QString& file, const QString& folder = {},
                       bool closingExpected = false)
      : prompts(file, closingExpected), shell(folder), window(prompts, shell, clock) {
    window.show();
    QCoreApplication::processEvents();
  }
  BenchPrompts prompts;
  BenchShell shell;
  ui::SystemClock clock;
  ui::frmMain window;
};

}  // namespace quillmere::bench
