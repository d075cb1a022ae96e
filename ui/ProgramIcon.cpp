#include "ui/ProgramIcon.h"

#include <array>

namespace quillmere::ui {

QIcon ProgramIcon::icon() {
  static constexpr std::array kSizes{16, 24, 32, 48, 256};
  QIcon icon;
  for (const int size : kSizes) {
    icon.addFile(QStringLiteral(":/quillmere/icons/quillmere-%1.png").arg(size), QSize(size, size));
  }
  return icon;
}

}  // namespace quillmere::ui
