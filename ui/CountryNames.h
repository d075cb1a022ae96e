#pragma once

#include <QString>

namespace quillmere::ui {

// A country's name in the desktop's language, by its two-letter region code, as the
// desktop's own translations of ISO 3166 give it; Qt's English name where they give none.
QString countryName(const QString& region);

}  // namespace quillmere::ui
