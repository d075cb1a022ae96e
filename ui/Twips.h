#pragma once

#include <QRect>

namespace quillmere::ui {

// The layout is drawn in twips; 15 of them make one pixel at 96 dpi. Qt scales pixels itself
// on denser screens, so the conversion stays fixed.
inline constexpr int kTwipsPerPixel = 15;

constexpr int twips(int value) {
  return (value + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

constexpr QRect twipsRect(int left, int top, int width, int height) {
  return QRect(twips(left), twips(top), twips(width), twips(height));
}

}  // namespace quillmere::ui
