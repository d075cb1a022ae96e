#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/ContactValues.h"
#include "core/Destination.h"
#include "core/PictureShrinker.h"

namespace quillmere::core {

// The largest picture file or data: text a photo is read from.
inline constexpr std::uintmax_t kMaxPictureBytes = 50u * 1024 * 1024;

// How large a photo the destination takes: iCloud's own limit, else one that keeps a card
// small enough for any address book.
PhotoLimits photoLimits(Destination destination);

// The JPEG of a photo cell: a picture file's path, absolute, relative to `folder` or
// starting with "~", or a "data:image/...;base64," text. Throws PictureRefused saying what is
// wrong with the cell: a web address (never fetched), a missing or unreadable file, one over
// 50 MB, or what `shrinker` refuses.
std::string photoJpeg(std::string_view cell, const std::filesystem::path& folder,
                      const PictureShrinker& shrinker, const PhotoLimits& limits);

// Where a run's photo cells are read from: the workbook's folder, the shrinker (none in a
// build without pictures) and the column the note names.
struct PhotoReading {
  const PictureShrinker* shrinker = nullptr;
  std::filesystem::path folder;
  std::uint32_t column = 0;
};

// Gives `values` the photo its Photo field names, in base64, or notes why the card goes
// without one. Nothing to do when the field is empty or the photo was attached before.
void attachPhoto(ContactValues& values, const PhotoReading& reading, const PhotoLimits& limits);

}  // namespace quillmere::core
