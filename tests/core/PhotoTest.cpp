#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/Base64.h"
#include "core/CardContent.h"
#include "core/CardDigest.h"
#include "core/CardPhoto.h"
#include "core/HeaderNames.h"
#include "core/VCardFolding.h"
#include "core/VCardQuickRead.h"
#include "core/VCardReader.h"
#include "core/VCardRecord.h"
#include "tests/support/ScratchFolder.h"

namespace quillmere::core {
namespace {

using enum Field;

// Gives back the picture's own bytes as its "JPEG", or refuses bytes that start with "bad".
class EchoShrinker : public PictureShrinker {
 public:
  std::string shrink(std::string_view picture, const PhotoLimits&) const override {
    if (picture.starts_with("bad")) throw PictureRefused("is not a picture Quillmere reads");
    return std::string(picture);
  }
};

std::string photoOf(std::size_t bytes) {
  std::string photo;
  std::string raw;
  for (std::size_t i = 0; i < bytes; ++i)
    raw += static_cast<char>(i * 7);
  appendBase64(photo, raw);
  return photo;
}

TEST(Photo, Base64GoesBothWays) {
  for (const std::string_view bytes : {"", "a", "ab", "abc", "abcd", "\xff\xd8\xff\xe0\x00"}) {
    std::string text;
    appendBase64(text, bytes);
    EXPECT_EQ(decodeBase64(text), std::string(bytes)) << text;
  }
  EXPECT_EQ(decodeBase64("YW Jj\r\n ZA=="), "abcd");
  EXPECT_EQ(decodeBase64("YW*j"), std::nullopt);
}

// Each version's PHOTO line, folded, and read back whole by both readers, in the plain and
// the standard forms alike.
TEST(Photo, EachVersionWritesItsPhotoLineAndReadsItBack) {
  const std::string photo = photoOf(300);
  ContactValues values;
  values[FirstName] = "Ann";
  values[Photo] = "ann.jpg";
  values.setPhoto(photo);
  const std::vector<std::pair<VCardVersion, std::string_view>> cases{
      {VCardVersion::V21, "\r\nPHOTO;ENCODING=BASE64;TYPE=JPEG:\r\n "},
      {VCardVersion::V30, "\r\nPHOTO;ENCODING=b;TYPE=JPEG:"},
      {VCardVersion::V40, "\r\nPHOTO:data:image/jpeg;base64,"},
  };
  for (const auto& [version, head] : cases) {
    for (const bool standard : {false, true}) {
      std::string record;
      CardContent written;
      CardDigest digest;
      appendRecord(record, values, RecordForm{version, standard}, &written);
      std::string again;
      appendRecord(again, values, RecordForm{version, standard}, &digest);
      ASSERT_EQ(record, again);
      EXPECT_NE(record.find(head), std::string::npos) << version << "\n" << record;
      std::size_t from = 0;
      for (std::size_t end; (end = record.find("\r\n", from)) != std::string::npos; from = end + 2)
        EXPECT_LE(end - from, kFoldOctets) << version << ": " << record.substr(from, end - from);
      if (version == VCardVersion::V21) {
        EXPECT_NE(record.find("\r\n\r\n"), std::string::npos) << "no empty line after the base64";
      }
      EXPECT_EQ(readBackDifference(record, version, written), std::nullopt) << record;
      EXPECT_EQ(quickCardDigest(record, version), digest.value()) << record;
      CardDigest alone;
      expectRecord(values, RecordForm{version, standard}, alone);
      EXPECT_EQ(alone.value(), digest.value()) << version;
      VCardReader reader(record);
      ReadCard card;
      ASSERT_TRUE(reader.next(card));
      bool found = false;
      for (std::size_t i = 0; i < card.content.size(); ++i) {
        if (card.content[i].name != "PHOTO") continue;
        found = true;
        std::string_view value = card.content[i].components.at(0);
        if (version == VCardVersion::V40)
          value.remove_prefix(std::string_view("data:image/jpeg;base64,").size());
        EXPECT_EQ(value, photo) << version;
      }
      EXPECT_TRUE(found) << version;
    }
  }
}

TEST(Photo, ARowWithoutAPhotoWritesNoPhotoLine) {
  ContactValues values;
  values[FirstName] = "Ann";
  values[Photo] = "ann.jpg";  // not attached: the card goes without
  for (const VCardVersion version : {VCardVersion::V21, VCardVersion::V30, VCardVersion::V40})
    EXPECT_EQ(buildRecord(values, version).find("PHOTO"), std::string::npos);
}

// What each kind of cell gives: the picture, or a note saying why not.
TEST(Photo, CellsGiveThePictureOrSayWhyNot) {
  const quillmere::test::ScratchFolder folder("photo");
  std::filesystem::create_directories(folder / "sub");
  std::ofstream(folder / "sub" / "ann.jpg") << "ann's picture";
  std::ofstream(folder / "bad.jpg") << "bad bytes";
  std::string dataUri = "data:image/png;base64,";
  appendBase64(dataUri, "bob's picture");
  const std::vector<std::pair<std::string, std::string>> cases{
      // cell, the picture or the note's reason
      {"sub/ann.jpg", "ann's picture"},
      {(folder / "sub" / "ann.jpg").string(), "ann's picture"},
      {" sub/ann.jpg ", "ann's picture"},
      {dataUri, "bob's picture"},
      {"https://example.com/ann.jpg", "is a web address, which a conversion does not fetch"},
      {"www.example.com/ann.jpg", "is a web address"},
      {"data:text/plain;base64,YWJj", "is a data: text that is no base64 picture"},
      {"data:image/png;base64,Y*Jj", "whose base64 is broken"},
      {"missing.jpg", "names " + (folder / "missing.jpg").string() + ", which does not exist"},
      {"sub", "which is not a file"},
      {"bad.jpg", "names " + (folder / "bad.jpg").string() + ", which is not a picture"},
  };
  const EchoShrinker shrinker;
  for (const auto& [cell, wanted] : cases) {
    ContactValues values;
    values[Photo] = cell;
    attachPhoto(values, {&shrinker, folder.path(), 3}, PhotoLimits{});
    if (values.notes().empty()) {
      EXPECT_EQ(decodeBase64(values.photo()), wanted) << cell;
      continue;
    }
    EXPECT_TRUE(values.photo().empty()) << cell;
    const std::string text = noteText(values.notes().at(0));
    EXPECT_NE(text.find(wanted), std::string::npos) << text;
    EXPECT_TRUE(text.starts_with("Photo \"")) << text;
    EXPECT_NE(text.find("in column D"), std::string::npos) << text;
    EXPECT_TRUE(text.ends_with(", so the card has no photo")) << text;
  }
  ContactValues values;
  values[Photo] = "sub/ann.jpg";
  attachPhoto(values, {nullptr, folder.path(), 0}, PhotoLimits{});
  EXPECT_EQ(values.notes().size(), 1u);
}

TEST(Photo, IcloudsPhotoFitsItsCardInBase64) {
  const PhotoLimits icloud = photoLimits(Destination::ICloud);
  EXPECT_LE(icloud.maxBytes, 224u * 1024);
  EXPECT_LE((icloud.maxBytes + 2) / 3 * 4 * 76 / 74 + 8 * 1024, 256u * 1024);
  EXPECT_EQ(photoLimits(Destination::AnyApp).maxBytes, 200u * 1024);
  EXPECT_EQ(photoLimits(Destination::AnyApp).maxSide, 720);
}

// Match by Name knows a photo column in the languages it reads, while More Fields are offered.
TEST(Photo, HeadersNameThePhotoInTheirLanguages) {
  const std::vector<std::pair<std::string_view, std::optional<Field>>> cases{
      {"Photo", Photo},          {"Picture", Photo},
      {"Image", Photo},          {"Photo 1", Photo},
      {"Foto", Photo},           {"Bild", Photo},
      {"Afbeelding", Photo},     {"Billede", Photo},
      {"Imagen", Photo},         {"Immagine", Photo},
      {"Imagem", Photo},         {"Zdjęcie", Photo},
      {"Фото", Photo},           {"Фотографія", Photo},
      {"Fotografie", Photo},     {"Valokuva", Photo},
      {"Fénykép", Photo},        {"Fotoğraf", Photo},
      {"صورة", Photo},           {"फ़ोटो", Photo},
      {"写真", Photo},           {"사진", Photo},
      {"照片", Photo},           {"相片", Photo},
      {"Photo 2", std::nullopt}, {"Photo URL", std::nullopt},
  };
  for (const auto& [header, field] : cases) {
    EXPECT_EQ(fieldForHeader(header, true), field) << header;
    EXPECT_EQ(fieldForHeader(header), std::nullopt) << header;
  }
}

}  // namespace
}  // namespace quillmere::core
