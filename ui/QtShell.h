#pragma once

#include <QString>

#include "ui/Shell.h"

namespace quillmere::ui {

// The real desktop: QDesktopServices and QStandardPaths.
class QtShell : public Shell {
 public:
  // guideFile: where the user guide is expected; it is looked for again on every request.
  explicit QtShell(QString guideFile);

  bool open(const QString& target) override;
  QString defaultSaveFolder() override;
  QString userGuide() override;

 private:
  QString guideFile_;
};

}  // namespace quillmere::ui
