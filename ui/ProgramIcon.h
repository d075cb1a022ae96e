#pragma once

#include <QIcon>

namespace quillmere::ui {

// The program's icon at every size it ships in, from the resources linked into the program.
class ProgramIcon {
 public:
  static QIcon icon();
};

}  // namespace quillmere::ui
