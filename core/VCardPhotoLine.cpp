#include "core/VCardPhotoLine.h"

#include "core/VCardFolding.h"

namespace quillmere::core {

namespace {
constexpr std::string_view kDataUri = "data:image/jpeg;base64,";
}

void appendPhotoLine(std::string& out, std::string_view base64, VCardVersion version,
                     VCardDialect dialect, CardExpectation* expected) {
  const bool v40 = version == VCardVersion::V40;
  const std::size_t from = out.size();
  if (dialect == VCardDialect::V21) {
    out += "PHOTO;ENCODING=BASE64;TYPE=JPEG:";
    constexpr std::size_t kPerLine = 72;
    for (std::size_t at = 0; at < base64.size(); at += kPerLine) {
      out += "\r\n ";
      out += base64.substr(at, kPerLine);
    }
    out += "\r\n";
  } else {
    out += v40 ? "PHOTO:" : "PHOTO;ENCODING=b;TYPE=JPEG:";
    if (v40) out += kDataUri;
    out += base64;
    foldLine(out, from, dialect);
  }
  if (expected != nullptr) expectPhoto(*expected, base64, version);
}

void expectPhoto(CardExpectation& expected, std::string_view base64, VCardVersion version) {
  expected.property("PHOTO");
  if (version == VCardVersion::V40) {
    expected.component({kDataUri, base64});
  } else {
    expected.type("JPEG");
    expected.component(base64);
  }
  expected.endProperty();
}

}  // namespace quillmere::core
