#include "core/HeaderWords.h"

#include <algorithm>
#include <array>
#include <limits>
#include <unordered_map>

#include "core/HeaderText.h"
#include "source/Unicode.h"

namespace quillmere::core {
namespace {

// Decodes the well-formed UTF-8 that foldHeaderText gives.
char32_t decodeAt(std::string_view text, std::size_t at, std::size_t& length) {
  const auto lead = static_cast<unsigned char>(text[at]);
  length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
  if (at + length > text.size()) {
    length = 1;
    return lead;
  }
  char32_t value = length == 1 ? lead : lead & (0xFFu >> (length + 1));
  for (std::size_t i = 1; i < length; ++i)
    value = (value << 6) | (static_cast<unsigned char>(text[at + i]) & 0x3Fu);
  return value;
}

// The same letter as the lexicon writes it, or 0 to drop the character.
char32_t plainLetter(char32_t c) {
  if (c >= 0x410 && c <= 0x42F) return c + 0x20;            // Cyrillic capitals
  if (c >= 0x400 && c <= 0x40F) return c + 0x50;            // Ѐ to Џ
  if (c == 0x490) return 0x491;                             // Ґ
  if (c >= 0xFF21 && c <= 0xFF3A) return c - 0xFF21 + 'a';  // full-width Latin
  if (c >= 0xFF41 && c <= 0xFF5A) return c - 0xFF41 + 'a';
  if (c >= 0xFF10 && c <= 0xFF19) return c - 0xFF10 + '0';
  const bool cjkPunctuation = (c >= 0x3000 && c <= 0x3003) || c == 0x30FB;
  const bool fullWidthPunctuation = c >= 0xFF01 && c <= 0xFF5E;
  const bool arabicMark = (c >= 0x64B && c <= 0x652) || c == 0x640 || c == 0x670;
  const bool devanagariNukta = c == 0x93C;
  if (cjkPunctuation || fullWidthPunctuation || arabicMark || devanagariNukta) return 0;
  if (c == 0x622 || c == 0x623 || c == 0x625) return 0x627;  // alef with hamza or madda
  if (c == 0x649) return 0x64A;                              // alef maksura
  // Devanagari letters with a nukta written as one character.
  constexpr std::array<char32_t, 8> kNuktaBase{0x915, 0x916, 0x917, 0x91C,
                                               0x921, 0x922, 0x92B, 0x92F};
  if (c >= 0x958 && c <= 0x95F) return kNuktaBase[c - 0x958];
  return c;
}

class Lexicon {
 public:
  Lexicon() {
    for (const auto list : {germanicHeaderWords(), romanceHeaderWords(), slavicHeaderWords(),
                            eastAsianHeaderWords(), otherHeaderWords()}) {
      for (const HeaderWord& word : list) {
        std::string folded = foldHeaderWords(word.text);
        longest_ = std::max(longest_, folded.size());
        // A word two languages spell alike keeps its first sense.
        words_.emplace(std::move(folded), word);
      }
    }
  }

  const HeaderWord* find(std::string_view text) const {
    const auto found = words_.find(std::string(text));
    return found == words_.end() ? nullptr : &found->second;
  }
  std::size_t longest() const { return longest_; }

 private:
  std::unordered_map<std::string, HeaderWord> words_;
  std::size_t longest_ = 0;
};

const Lexicon& lexicon() {
  static const Lexicon words;
  return words;
}

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// One step of the cheapest reading up to a position: a word, a number or unknown text.
struct Step {
  std::uint32_t cost = std::numeric_limits<std::uint32_t>::max();
  std::size_t from = 0;
  enum class Kind : unsigned char { Word, Number, Unknown } kind = Kind::Unknown;
  Sense sense = Sense::Filler;
  bool weak = false;
};

// Unknown text costs far more than any number of words, so a reading that knows more text
// always wins, and among those the one of fewest words.
constexpr std::uint32_t kUnknownCost = 1000;

// Past this many folded bytes a header is a sentence, not the name of a field; reading it
// word by word would only cost time on a hostile sheet's wide row.
constexpr std::size_t kLongestReadHeader = 256;

}  // namespace

bool HeaderWords::has(Sense sense) const {
  return position(sense) < senses.size();
}

std::size_t HeaderWords::position(Sense sense) const {
  return static_cast<std::size_t>(std::find(senses.begin(), senses.end(), sense) - senses.begin());
}

std::string foldHeaderWords(std::string_view text) {
  const std::string folded = foldHeaderText(text);
  std::string out;
  out.reserve(folded.size());
  for (std::size_t at = 0; at < folded.size();) {
    std::size_t length = 1;
    const char32_t letter = plainLetter(decodeAt(folded, at, length));
    if (letter != 0) source::appendUtf8(out, letter);
    at += length;
  }
  return out;
}

HeaderWords readHeaderWords(std::string_view header) {
  const std::string text = foldHeaderWords(header);
  if (text.size() > kLongestReadHeader) {
    HeaderWords unread;
    unread.unknownText = true;
    return unread;
  }
  const Lexicon& words = lexicon();
  std::vector<Step> best(text.size() + 1);
  best[0].cost = 0;
  const auto offer = [&](std::size_t to, Step step) {
    if (step.cost < best[to].cost) best[to] = step;
  };
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (best[at].cost == std::numeric_limits<std::uint32_t>::max()) continue;
    const std::uint32_t cost = best[at].cost;
    if (isDigit(text[at])) {
      std::size_t end = at;
      while (end < text.size() && isDigit(text[end]))
        ++end;
      offer(end, {cost + 1, at, Step::Kind::Number});
    }
    const std::size_t longest = std::min(words.longest(), text.size() - at);
    for (std::size_t length = 1; length <= longest; ++length) {
      if (const HeaderWord* word = words.find(std::string_view(text).substr(at, length))) {
        offer(at + length, {cost + 1, at, Step::Kind::Word, word->sense, word->weak});
      }
    }
    std::size_t length = 1;
    decodeAt(text, at, length);
    offer(at + length, {cost + kUnknownCost, at, Step::Kind::Unknown});
  }

  HeaderWords read;
  std::vector<const Step*> steps;
  for (std::size_t at = text.size(); at > 0; at = best[at].from)
    steps.push_back(&best[at]);
  std::reverse(steps.begin(), steps.end());
  std::size_t at = 0;
  for (const Step* step : steps) {
    const std::size_t end = static_cast<std::size_t>(step - best.data());
    if (step->kind == Step::Kind::Word) {
      read.senses.push_back(step->sense);
      read.weak = read.weak || step->weak;
    } else if (step->kind == Step::Kind::Unknown) {
      read.unknownText = true;
    } else if (read.number == 0) {
      std::uint32_t number = 0;
      for (std::size_t i = at; i < end && number < 100000; ++i)
        number = number * 10 + static_cast<std::uint32_t>(text[i] - '0');
      read.number = number;
    }
    at = end;
  }
  return read;
}

}  // namespace quillmere::core
