#include "source/numfmt/SectionBuilder.h"

#include <algorithm>

#include "source/numfmt/DateSectionBuilder.h"
#include "source/numfmt/DigitSectionBuilder.h"
#include "source/numfmt/SectionWriter.h"

namespace quillmere::source::numfmt {

namespace {

bool isDateOrTime(RawKind kind) {
  return kind == RawKind::DateCode || kind == RawKind::AmPm || kind == RawKind::Elapsed;
}

// A section without placeholders: literals around "@" (the text section) or "General".
bool buildWithoutDigits(const std::vector<RawToken>& raw, FormatSection& section, RawKind value,
                        TokenKind valueToken) {
  SectionWriter out(section);
  for (const RawToken& token : raw) {
    if (token.kind == value) {
      out.add(valueToken);
    } else if (token.kind == RawKind::Placeholder || token.kind == RawKind::Exponent ||
               token.kind == RawKind::At || token.kind == RawKind::General) {
      return false;
    } else {
      out.literal(token.text);
    }
  }
  return out.fits();
}

bool has(const std::vector<RawToken>& raw, RawKind kind) {
  return std::any_of(raw.begin(), raw.end(), [kind](const RawToken& t) { return t.kind == kind; });
}

}  // namespace

std::optional<FormatSection> buildSection(const LexedSection& lexed) {
  FormatSection section;
  section.condition = lexed.condition;
  const std::vector<RawToken>& raw = lexed.tokens;
  bool built = false;
  if (std::any_of(raw.begin(), raw.end(), [](const RawToken& t) { return isDateOrTime(t.kind); })) {
    built = buildDateTimeSection(raw, section);
  } else if (has(raw, RawKind::At)) {
    section.kind = SectionKind::Text;
    built = buildWithoutDigits(raw, section, RawKind::At, TokenKind::TextValue);
  } else if (has(raw, RawKind::General)) {
    section.kind = SectionKind::General;
    built = buildWithoutDigits(raw, section, RawKind::General, TokenKind::GeneralNumber);
  } else if (const std::size_t slash = findFractionSlash(raw); slash < raw.size()) {
    built = !has(raw, RawKind::Exponent) && !has(raw, RawKind::Point) &&
            buildFractionSection(raw, slash, section);
  } else {
    built = buildNumberSection(raw, section);
  }
  if (!built) return std::nullopt;
  return section;
}

}  // namespace quillmere::source::numfmt
