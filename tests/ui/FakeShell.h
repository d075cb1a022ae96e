#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "ui/Shell.h"

namespace quillmere::ui::test {

// Records what would have been opened. The folder and the guide are what the test set; asking
// for one the test did not set fails the test.
class FakeShell : public Shell {
 public:
  std::optional<QString> defaultFolder;
  std::optional<QString> guide;
  bool openSucceeds = true;

  std::vector<QString> opened;

  bool open(const QString& target) override;
  QString defaultSaveFolder() override;
  QString userGuide() override;
};

}  // namespace quillmere::ui::test
