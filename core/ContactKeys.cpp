#include "core/ContactKeys.h"

#include <algorithm>
#include <string_view>

namespace quillmere::core {

namespace {

bool isSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

char lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// FNV-1a over the key's bytes as they are made, so no key is ever held as a string; then
// the finaliser of splitmix64, so that every bit depends on every byte, as the index's table
// slots need.
class KeyHash {
 public:
  explicit KeyHash(char kind) { add(kind); }

  void add(char c) {
    hash_ ^= static_cast<unsigned char>(c);
    hash_ *= 0x100000001b3ULL;
  }

  // Lower-case ASCII with runs of white space made one space and none at either end. Other
  // letters are compared as written. False when the text is only white space.
  bool addFolded(std::string_view text) {
    bool space = false;
    bool any = false;
    for (const char c : text) {
      if (isSpace(c)) {
        space = any;
        continue;
      }
      if (space) add(' ');
      space = false;
      any = true;
      add(lower(c));
    }
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
    std::uint64_t hash = hash_;
    hash ^= hash >> 30;
    hash *= 0xbf58476d1ce4e5b9ULL;
    hash ^= hash >> 27;
    hash *= 0x94d049bb133111ebULL;
    hash ^= hash >> 31;
    return hash;
  }

 private:
  std::uint64_t hash_ = 0xcbf29ce484222325ULL;
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
