#include "core/CardPhoto.h"

#include <cstdlib>
#include <fstream>
#include <system_error>

#include "core/Base64.h"
#include "core/VCardValueRules.h"

namespace quillmere::core {

namespace {

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && equalsIgnoringCase(text.substr(0, prefix.size()), prefix);
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
    text.remove_prefix(1);
  while (!text.empty() &&
         (text.back() == ' ' || text.back() == '\t' || text.back() == '\r' || text.back() == '\n'))
    text.remove_suffix(1);
  return text;
}

std::string megabytes(std::uintmax_t bytes) {
  return std::to_string((bytes + 1024 * 1024 - 1) / (1024 * 1024)) + " MB";
}

std::string dataPicture(std::string_view cell) {
  const std::size_t comma = cell.find(',');
  const std::string_view head = cell.substr(0, comma);
  if (comma == std::string_view::npos || !startsWithIgnoringCase(head, "data:image/") ||
      !(head.size() >= 7 && equalsIgnoringCase(head.substr(head.size() - 7), ";base64"))) {
    throw PictureRefused("is a data: text that is no base64 picture (data:image/jpeg;base64,...)");
  }
  const std::string_view text = cell.substr(comma + 1);
  if (text.size() / 4 * 3 > kMaxPictureBytes) {
    throw PictureRefused("holds a picture of more than " + megabytes(kMaxPictureBytes));
  }
  std::optional<std::string> bytes = decodeBase64(text);
  if (!bytes) throw PictureRefused("is a data: text whose base64 is broken");
  return std::move(*bytes);
}

std::filesystem::path pictureFile(std::string_view cell, const std::filesystem::path& folder) {
  std::string text(cell);
  if (startsWithIgnoringCase(text, "file://")) text.erase(0, 7);
  if (text == "~" || text.starts_with("~/")) {
    const char* home = std::getenv("HOME");
    if (home == nullptr || *home == '\0') {
      throw PictureRefused("starts with ~, but no home folder is set to read it from");
    }
    text.replace(0, 1, home);
  }
  std::filesystem::path file(text);
  if (!file.is_absolute()) file = folder / file;
  // The report names the file the user can look for, wherever the tool was started.
  std::error_code error;
  std::filesystem::path absolute = std::filesystem::absolute(file, error);
  return error ? file : absolute.lexically_normal();
}

std::string filePicture(const std::filesystem::path& file) {
  const std::string named = "names " + file.string() + ", which ";
  std::error_code error;
  const auto status = std::filesystem::status(file, error);
  if (!std::filesystem::exists(status)) throw PictureRefused(named + "does not exist");
  if (!std::filesystem::is_regular_file(status)) throw PictureRefused(named + "is not a file");
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  if (error) throw PictureRefused(named + "cannot be read: " + error.message());
  if (size > kMaxPictureBytes) {
    throw PictureRefused(named + "is " + megabytes(size) + ", more than the " +
                         megabytes(kMaxPictureBytes) + " a photo is read from");
  }
  std::ifstream in(file, std::ios::binary);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  if (!in || !in.read(bytes.data(), static_cast<std::streamsize>(size))) {
    throw PictureRefused(named + "cannot be read");
  }
  return bytes;
}

}  // namespace

PhotoLimits photoLimits(Destination destination) {
  PhotoLimits limits;
  if (destination == Destination::ICloud) {
    // iCloud takes 224 KB a photo, but its 256 KB a card must also hold the photo's base64,
    // a third larger, folded, beside the card's text.
    const std::size_t card = profileOf(destination).maxCardBytes;
    limits.maxBytes = std::min<std::size_t>(224 * 1024, (card - 8 * 1024) / 4 * 3 / 76 * 74);
  }
  return limits;
}

std::string photoJpeg(std::string_view cell, const std::filesystem::path& folder,
                      const PictureShrinker& shrinker, const PhotoLimits& limits) {
  cell = trimmed(cell);
  if (startsWithIgnoringCase(cell, "http://") || startsWithIgnoringCase(cell, "https://") ||
      startsWithIgnoringCase(cell, "ftp://") || startsWithIgnoringCase(cell, "www.")) {
    throw PictureRefused(
        "is a web address, which a conversion does not fetch; save the picture and give its "
        "file's path");
  }
  if (startsWithIgnoringCase(cell, "data:")) return shrinker.shrink(dataPicture(cell), limits);
  const std::filesystem::path file = pictureFile(cell, folder);
  const std::string bytes = filePicture(file);
  try {
    return shrinker.shrink(bytes, limits);
  } catch (const PictureRefused& refused) {
    throw PictureRefused("names " + file.string() + ", which " + refused.what());
  }
}

void attachPhoto(ContactValues& values, const PhotoReading& reading, const PhotoLimits& limits) {
  const std::string& cell = values[Field::Photo];
  if (cell.empty() || values.hadPhoto()) return;
  // A data: text is named by its start: the report is no place for a picture's megabytes.
  constexpr std::size_t kShown = 48;
  const std::string shown = cell.size() > kShown ? cell.substr(0, kShown) + "..." : cell;
  ValueNote note{ValueNote::Kind::PhotoLeftOut, Field::Photo, reading.column, shown, {}, {}};
  if (reading.shrinker == nullptr) {
    note.reason = "is not read: this build of Quillmere reads no pictures";
    values.note(std::move(note));
    return;
  }
  try {
    std::string photo;
    appendBase64(photo, photoJpeg(cell, reading.folder, *reading.shrinker, limits));
    values.setPhoto(std::move(photo));
  } catch (const PictureRefused& refused) {
    note.reason = refused.what();
    values.note(std::move(note));
  }
}

}  // namespace quillmere::core
