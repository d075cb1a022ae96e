#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/VCardRecord.h"

namespace quillmere::core {

// A property's name and kinds, in the order the bare 2.1 form lists them.
struct Head {
  std::string_view name;
  std::array<std::string_view, 2> types;
};

enum HeadId : unsigned char {
  TelWork,
  TelHome,
  TelCell,
  FaxWork,
  FaxHome,
  AdrWork,
  AdrHome,
  LabelWork,
  LabelHome,
  Url,
  EmailPref,
  Email,
  TelVoice,
  TelPager,
  UrlHome,
  kHeadCount
};

constexpr std::array<Head, kHeadCount> kHeads{{
    {"TEL", {"WORK", "VOICE"}},
    {"TEL", {"HOME", "VOICE"}},
    {"TEL", {"CELL", "VOICE"}},
    {"TEL", {"WORK", "FAX"}},
    {"TEL", {"HOME", "FAX"}},
    {"ADR", {"WORK", ""}},
    {"ADR", {"HOME", ""}},
    {"LABEL", {"WORK", ""}},
    {"LABEL", {"HOME", ""}},
    {"URL", {"", ""}},
    {"EMAIL", {"PREF", "INTERNET"}},
    {"EMAIL", {"INTERNET", ""}},
    {"TEL", {"VOICE", ""}},
    {"TEL", {"PAGER", ""}},
    {"URL", {"HOME", ""}},
}};

// How the kinds are spelt: bare as 2.1 has them ("TEL;CELL;VOICE", every version's in the
// plain layout), as TYPE= in 3.0 ("TEL;TYPE=CELL,VOICE") or in lower case with PREF=1 in 4.0.
enum class TypeSpelling : unsigned char { Bare, Type30, Type40 };

TypeSpelling spellingOf(const RecordForm& form);

// 4.0 gives a preference as PREF=1, not as a kind.
inline bool isPref40(TypeSpelling spelling, std::string_view type) {
  return spelling == TypeSpelling::Type40 && type == "PREF";
}

// The head's text in the spelling, "TEL;TYPE=CELL,VOICE"; made once for every head.
const std::string& headText(HeadId id, TypeSpelling spelling);

}  // namespace quillmere::core
