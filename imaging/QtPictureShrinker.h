#pragma once

#include <string>
#include <string_view>

#include "core/PictureShrinker.h"

class QImage;

namespace quillmere::imaging {

// The pictures Qt's image readers and their plugins take (JPEG, PNG, WebP, GIF, BMP, ...)
// made into photos: turned upright by their EXIF orientation, scaled down to fit, written as
// JPEG at the highest quality that fits. Holds nothing between calls, so the run's building
// threads share one; it uses QImage alone, never QPixmap, so no GUI thread is needed.
class QtPictureShrinker : public core::PictureShrinker {
 public:
  // Lets Qt's readers decode the largest picture a photo is read from (100 megapixels).
  QtPictureShrinker();

  std::string shrink(std::string_view picture, const core::PhotoLimits& limits) const override;
};

// The largest picture, in pixels, a photo is read from; its size is read before it is decoded.
inline constexpr long long kMaxPicturePixels = 100'000'000;

// A card's photo (JPEG bytes, or base64 as ContactValues::photo() holds it) as an image to
// show, for the card preview; a null image when it is none.
QImage photoImage(std::string_view jpeg);
QImage photoImageFromBase64(std::string_view base64);

}  // namespace quillmere::imaging
