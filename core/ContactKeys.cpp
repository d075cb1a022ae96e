#include "core/ContactKeys.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <string_view>

namespace quillmere::core {

namespace {

bool isSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

char lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;

std::uint64_t loadWord(const char* bytes) {
  std::uint64_t word;
  std::memcpy(&word, bytes, sizeof word);
  // The first byte lowest, as KeyHash::add places bytes one by one.
  if constexpr (std::endian::native == std::endian::big) word = __builtin_bswap64(word);
  return word;
}

// True when a byte of the word is at most a space: white space, or a control character
// that the byte-by-byte path sorts out.
bool hasSpaceOrBelow(std::uint64_t word) {
  return ((word - kOnes * 0x21) & ~word & kHighBits) != 0;
}

// A..Z made a..z in every byte below 0x80; other bytes kept.
std::uint64_t lowerWord(std::uint64_t word) {
  const std::uint64_t low = word & ~kHighBits;
  const std::uint64_t atLeastA = low + kOnes * (0x80 - 'A');
  const std::uint64_t aboveZ = low + kOnes * (0x80 - 'Z' - 1);
  const std::uint64_t upper = atLeastA & ~aboveZ & ~word & kHighBits;
  return word | (upper >> 2);
}

// A hash of the key's bytes as they are made, so no key is ever held as a string. Bytes are
// gathered into words of eight, each mixed in with one multiplication, so a word of a text
// can go in at once; the splitmix64 finaliser then makes every bit depend on every byte, as
// the index's table slots need.
class KeyHash {
 public:
  explicit KeyHash(char kind) { add(kind); }

  void add(char c) {
    pending_ |= std::uint64_t{static_cast<unsigned char>(c)} << filledBits_;
    filledBits_ += 8;
    if (filledBits_ == 64) {
      mix(pending_);
      pending_ = 0;
      filledBits_ = 0;
    }
  }

  // Eight bytes in text order, as add() would take them one by one.
  void addWord(std::uint64_t word) {
    if (filledBits_ == 0) {
      mix(word);
      return;
    }
    mix(pending_ | (word << filledBits_));
    pending_ = word >> (64 - filledBits_);
  }

  // Lower-case ASCII with runs of white space made one space and none at either end. Other
  // letters are compared as written. False when the text is only white space.
  bool addFolded(std::string_view text) {
    bool space = false;
    bool any = false;
    const auto addByte = [&](char c) {
      if (isSpace(c)) {
        space = any;
        return;
      }
      if (space) add(' ');
      space = false;
      any = true;
      add(lower(c));
    };
    std::size_t at = 0;
    for (; at + 8 <= text.size(); at += 8) {
      const std::uint64_t word = loadWord(text.data() + at);
      if (hasSpaceOrBelow(word)) {
        for (std::size_t i = 0; i < 8; ++i)
          addByte(text[at + i]);
        continue;
      }
      if (space) add(' ');
      space = false;
      any = true;
      addWord(lowerWord(word));
    }
    for (; at < text.size(); ++at)
      addByte(text[at]);
    return any;
  }

  // The digits of a telephone number and a "+" before them; false when it has no digit.
  bool addDigits(std::string_view number) {
    const auto first = std::find_if_not(number.begin(), number.end(), isSpace);
    if (first != number.end() && *first == '+') add('+');
    bool any = false;
    for (const char c : number) {
      if (c >= '0' && c <= '9') {
        add(c);
        any = true;
      }
    }
    return any;
  }

  std::uint64_t value() const {
    // The count of bytes tells a key from the same key with zero bytes after it.
    std::uint64_t hash = (hash_ ^ pending_) * kMultiplier;
    hash ^= words_ * 8 + filledBits_ / 8;
    hash ^= hash >> 30;
    hash *= 0xbf58476d1ce4e5b9ULL;
    hash ^= hash >> 27;
    hash *= 0x94d049bb133111ebULL;
    hash ^= hash >> 31;
    return hash;
  }

 private:
  static constexpr std::uint64_t kMultiplier = 0x9e3779b97f4a7c15ULL;

  void mix(std::uint64_t word) {
    hash_ = (hash_ ^ word) * kMultiplier;
    hash_ ^= hash_ >> 32;
    ++words_;
  }

  std::uint64_t hash_ = 0xcbf29ce484222325ULL;
  std::uint64_t pending_ = 0;
  unsigned filledBits_ = 0;
  std::uint64_t words_ = 0;
};

void add(ContactKeys& keys, const KeyHash& key) {
  const std::uint64_t hash = key.value();
  const auto end = keys.keys.begin() + static_cast<std::ptrdiff_t>(keys.count);
  if (std::find(keys.keys.begin(), end, hash) == end) keys.keys[keys.count++] = hash;
}

}  // namespace

KeyTexts keyTexts(const ContactValues& values) {
  return {{values[Field::EmailAddress], values[Field::EmailAddress2], values[Field::EmailAddress3]},
          values[Field::FirstName],
          values[Field::LastName],
          values[Field::FullName],
          {values[Field::MobileNumber], values[Field::HomeTelephoneNumber],
           values[Field::BusinessTelephoneNumber]}};
}

ContactKeys contactKeys(const KeyTexts& texts) {
  ContactKeys keys;
  for (const std::string_view email : texts.emails) {
    KeyHash mail('E');
    if (mail.addFolded(email)) add(keys, mail);
  }

  KeyHash name('N');
  bool named = name.addFolded(texts.firstName);
  name.add('\x1f');
  named = name.addFolded(texts.lastName) || named;
  if (!named) {
    name = KeyHash('F');
    if (!name.addFolded(texts.fullName)) return keys;
  }
  name.add('\x1e');
  for (const std::string_view number : texts.numbers) {
    KeyHash withNumber = name;
    if (withNumber.addDigits(number)) add(keys, withNumber);
  }
  return keys;
}

}  // namespace quillmere::core
