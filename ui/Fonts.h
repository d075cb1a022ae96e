#pragma once

#include <QFont>

namespace quillmere::ui {

// The three typefaces the windows are drawn in. Each asks for its family by name; where the
// family is not installed, Qt takes the first installed stand-in of similar width, so
// captions laid out for the original still fit.
class Fonts {
 public:
  static constexpr double kPointSize = 8.25;
  // Pixels taken off every space when a stand-in replaces the requested family.
  static constexpr qreal kStandInWordSpacing = -1.0;

  static QFont verdana();
  static QFont tahoma(bool bold = false);
  static QFont msSansSerif();

 private:
  static QFont make(const char* family, bool bold);
};

}  // namespace quillmere::ui
