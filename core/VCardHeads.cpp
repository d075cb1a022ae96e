#include "core/VCardHeads.h"

namespace quillmere::core {

TypeSpelling spellingOf(const RecordForm& form) {
  if (!form.standard || form.version == VCardVersion::V21) return TypeSpelling::Bare;
  return form.version == VCardVersion::V40 ? TypeSpelling::Type40 : TypeSpelling::Type30;
}

namespace {

std::string renderHead(const Head& head, TypeSpelling spelling) {
  std::string text(head.name);
  bool typed = false;
  for (const std::string_view type : head.types) {
    if (type.empty() || isPref40(spelling, type)) continue;
    if (spelling == TypeSpelling::Bare) {
      text += ';';
    } else {
      text += typed ? "," : ";TYPE=";
    }
    typed = true;
    for (const char c : type)
      text += spelling == TypeSpelling::Type40 ? static_cast<char>(c - 'A' + 'a') : c;
  }
  for (const std::string_view type : head.types) {
    if (isPref40(spelling, type)) text += ";PREF=1";
  }
  return text;
}

}  // namespace

const std::string& headText(HeadId id, TypeSpelling spelling) {
  static const auto kTexts = [] {
    std::array<std::array<std::string, kHeadCount>, 3> texts;
    for (std::size_t s = 0; s < texts.size(); ++s) {
      for (std::size_t h = 0; h < kHeadCount; ++h)
        texts[s][h] = renderHead(kHeads[h], static_cast<TypeSpelling>(s));
    }
    return texts;
  }();
  return kTexts[static_cast<std::size_t>(spelling)][id];
}

}  // namespace quillmere::core
