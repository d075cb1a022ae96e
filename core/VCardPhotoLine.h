#pragma once

#include <string>
#include <string_view>

#include "core/CardContent.h"
#include "core/VCardText.h"

namespace quillmere::core {

// Appends the PHOTO line of a JPEG given in base64 to `out`, where a line begins, as `version`
// writes it: 2.1 `PHOTO;ENCODING=BASE64;TYPE=JPEG:` with the base64 on indented lines ended by
// an empty line, 3.0 `PHOTO;ENCODING=b;TYPE=JPEG:`, 4.0 a `data:` URI, both folded as any line
// (no reader takes a line of hundreds of kilobytes). With `expected`, tells it the property.
void appendPhotoLine(std::string& out, std::string_view base64, VCardVersion version,
                     VCardDialect dialect, CardExpectation* expected);
// Tells `expected` of the PHOTO line appendPhotoLine writes.
void expectPhoto(CardExpectation& expected, std::string_view base64, VCardVersion version);

}  // namespace quillmere::core
