#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace quillmere::core {

// How large a card's photo may be: its long side in pixels and its JPEG size in bytes.
struct PhotoLimits {
  int maxSide = 720;
  std::size_t maxBytes = 200 * 1024;
};

// A picture that cannot become a photo. The message says what is wrong with it as the end of
// a sentence about the file: "is not a picture ...", "is 12000 x 9000 pixels, ...".
class PictureRefused : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Turns a picture's bytes into a card's photo: upright, within the limits, as JPEG. It needs an
// image library, so core only declares it; the run's building threads call it at once.
class PictureShrinker {
 public:
  virtual ~PictureShrinker() = default;
  // The photo's JPEG bytes; throws PictureRefused for bytes that are no picture it reads, or a
  // picture too large to decode.
  virtual std::string shrink(std::string_view picture, const PhotoLimits& limits) const = 0;
};

}  // namespace quillmere::core
