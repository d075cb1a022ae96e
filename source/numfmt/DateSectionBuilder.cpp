#include "source/numfmt/DateSectionBuilder.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "source/numfmt/SectionWriter.h"

namespace quillmere::source::numfmt {

namespace {

// Spreadsheets show at most three digits of a second.
constexpr int kMaxSubSecondDigits = 3;

bool isDateOrTime(TokenKind kind) {
  switch (kind) {
    case TokenKind::Year:
    case TokenKind::Month:
    case TokenKind::Day:
    case TokenKind::Hour:
    case TokenKind::Minute:
    case TokenKind::Second:
    case TokenKind::ElapsedHours:
    case TokenKind::ElapsedMinutes:
    case TokenKind::ElapsedSeconds:
      return true;
    default:
      return false;
  }
}

// "m" and "mm" are minutes right after an hour or right before a second, months elsewhere.
void settleMinutes(std::vector<FormatToken>& tokens) {
  const auto neighbour = [&](std::size_t from, int step) {
    for (auto i = static_cast<std::ptrdiff_t>(from) + step;
         i >= 0 && i < static_cast<std::ptrdiff_t>(tokens.size()); i += step) {
      const TokenKind kind = tokens[static_cast<std::size_t>(i)].kind;
      if (isDateOrTime(kind)) return kind;
    }
    return TokenKind::Literal;
  };
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    if (tokens[i].kind != TokenKind::Month || tokens[i].width > 2) continue;
    const TokenKind before = neighbour(i, -1);
    const TokenKind after = neighbour(i, 1);
    if (before == TokenKind::Hour || before == TokenKind::ElapsedHours ||
        after == TokenKind::Second || after == TokenKind::ElapsedSeconds) {
      tokens[i].kind = TokenKind::Minute;
    }
  }
}

std::uint8_t width(std::uint8_t count, std::uint8_t most) {
  return std::min(count, most);
}

}  // namespace

bool buildDateTimeSection(const std::vector<RawToken>& raw, FormatSection& section) {
  section.kind = SectionKind::DateTime;
  SectionWriter out(section);
  for (std::size_t i = 0; i < raw.size(); ++i) {
    const RawToken& token = raw[i];
    switch (token.kind) {
      case RawKind::Literal:
      case RawKind::Digit:
      case RawKind::Comma:
      case RawKind::Slash:
      case RawKind::Percent:
        out.literal(token.text);
        break;
      case RawKind::Point: {
        std::size_t end = i + 1;
        while (isPlaceholderAt(raw, end) && raw[end].symbol == '0')
          ++end;
        const auto zeros = static_cast<int>(end - i - 1);
        if (zeros == 0) {
          out.literal(token.text);
        } else {
          if (zeros > kMaxSubSecondDigits) return false;
          out.add(TokenKind::SubSecond, 0, static_cast<std::uint8_t>(zeros));
          section.subSecondDigits = std::max(section.subSecondDigits, zeros);
          i = end - 1;
        }
        break;
      }
      case RawKind::DateCode:
        switch (token.symbol) {
          case 'y':
            out.add(TokenKind::Year, 0, token.count <= 2 ? 2 : 4);
            break;
          case 'm':
            // Six or more m's show the full name, as four do.
            out.add(TokenKind::Month, 0, token.count > 5 ? 4 : token.count);
            break;
          case 'd':
            out.add(TokenKind::Day, 0, width(token.count, 4));
            break;
          case 'h':
            out.add(TokenKind::Hour, 0, width(token.count, 2));
            break;
          default:
            out.add(TokenKind::Second, 0, width(token.count, 2));
            break;
        }
        break;
      case RawKind::AmPm: {
        // AM/PM shows in capitals whatever its case; A/P shows the letter as written.
        const bool shortForm = token.text.size() == 3;
        const std::string texts =
            shortForm ? std::string{token.text[0], token.text[2]} : std::string("AMPM");
        out.addText(TokenKind::AmPm, texts);
        section.twelveHour = true;
        break;
      }
      case RawKind::Elapsed:
        if (token.symbol == 'h') {
          out.add(TokenKind::ElapsedHours, 0, token.count);
          section.hasElapsedHours = true;
        } else if (token.symbol == 'm') {
          out.add(TokenKind::ElapsedMinutes, 0, token.count);
          section.hasElapsedMinutes = true;
        } else {
          out.add(TokenKind::ElapsedSeconds, 0, token.count);
        }
        break;
      default:
        return false;
    }
  }
  settleMinutes(section.tokens);
  return out.fits();
}

}  // namespace quillmere::source::numfmt
