#include "source/numfmt/NumberFormat.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <span>

#include "source/CellTextForm.h"
#include "source/numfmt/DateTimeRenderer.h"
#include "source/numfmt/FractionRenderer.h"
#include "source/numfmt/NumberRenderer.h"
#include "source/numfmt/SectionBuilder.h"
#include "source/numfmt/SectionChoice.h"
#include "source/numfmt/SectionLexer.h"
#include "source/numfmt/SectionSplitter.h"

namespace quillmere::source::numfmt {

namespace {

// Spreadsheets keep codes to 255 characters; anything far longer is not a format code.
constexpr std::size_t kMaxCodeLength = 1024;

bool isPlainGeneral(const FormatSection& section) {
  return section.kind == SectionKind::General && section.tokens.size() == 1;
}

// The text section holds literals and "@" only: no digits, dates or "General".
bool showsText(const FormatSection& section) {
  return std::all_of(section.tokens.begin(), section.tokens.end(), [](const FormatToken& t) {
    return t.kind == TokenKind::Literal || t.kind == TokenKind::TextValue;
  });
}

bool render(const FormatSection& section, double magnitude, bool minus, bool date1904,
            std::string& out) {
  switch (section.kind) {
    case SectionKind::Number:
    case SectionKind::Scientific:
      renderNumber(section, magnitude, minus, out);
      return true;
    case SectionKind::Fraction:
      return renderFraction(section, magnitude, minus, out);
    case SectionKind::DateTime:
      return renderDateTime(section, magnitude, minus, date1904, out);
    case SectionKind::General:
      if (minus) out += '-';
      for (const FormatToken& token : section.tokens) {
        if (token.kind == TokenKind::GeneralNumber) {
          appendNumber(out, magnitude);
        } else {
          out += section.text(token);
        }
      }
      return true;
    case SectionKind::Text:
      return false;
  }
  return false;
}

}  // namespace

NumberFormat NumberFormat::parse(std::string_view code) {
  NumberFormat format;
  if (code.empty() || code.size() > kMaxCodeLength) return format;
  const auto texts = splitSections(code);
  if (!texts) return format;
  std::vector<FormatSection> sections;
  for (int i = 0; i < texts->count; ++i) {
    const auto lexed = lexSection(texts->parts[static_cast<std::size_t>(i)]);
    if (!lexed) return format;
    auto section = buildSection(*lexed);
    if (!section) return format;
    sections.push_back(std::move(*section));
  }
  // The fourth section is for text; with fewer, a last section holding "@" is.
  const bool lastIsText = sections.back().kind == SectionKind::Text;
  if (sections.size() == 4 || lastIsText) {
    if (!showsText(sections.back())) return format;
    format.textSection_ = std::move(sections.back());
    sections.pop_back();
  }
  for (const FormatSection& section : sections) {
    if (section.kind == SectionKind::Text) return {};
  }
  if (sections.size() == 1 && isPlainGeneral(sections.front()) && !sections.front().condition)
    sections.clear();
  format.sections_ = std::move(sections);
  return format;
}

std::string NumberFormat::display(double value, bool date1904) const {
  if (sections_.empty() || !std::isfinite(value)) return formatNumber(value);
  const SectionChoice choice = chooseSection(sections_, value);
  if (choice.section == nullptr) return formatNumber(value);
  std::string out;
  if (!render(*choice.section, std::fabs(value), choice.showsMinus, date1904, out))
    return formatNumber(value);
  return out;
}

std::string NumberFormat::displayText(std::string_view text) const {
  if (!textSection_) return std::string(text);
  const FormatSection& section = *textSection_;
  std::string out;
  for (const FormatToken& token : section.tokens) {
    if (token.kind == TokenKind::TextValue) {
      out += text;
    } else {
      out += section.text(token);
    }
  }
  return out;
}

}  // namespace quillmere::source::numfmt
