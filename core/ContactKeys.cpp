#include "core/ContactKeys.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace quillmere::core {

namespace {

bool isSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

char lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Lower-case ASCII with runs of white space made one space and none at either end. Other
// letters are compared as written.
void appendFolded(std::string& key, std::string_view text) {
  bool space = false;
  bool any = false;
  for (const char c : text) {
    if (isSpace(c)) {
      space = any;
      continue;
    }
    if (space) key += ' ';
    space = false;
    any = true;
    key += lower(c);
  }
}

void appendDigits(std::string& key, std::string_view number) {
  const auto first = std::find_if_not(number.begin(), number.end(), isSpace);
  if (first != number.end() && *first == '+') key += '+';
  for (const char c : number) {
    if (c >= '0' && c <= '9') key += c;
  }
}

// FNV-1a, then the finaliser of splitmix64 so that every bit depends on every byte, as the
// index's table slots need.
std::uint64_t hashOf(std::string_view key) {
  std::uint64_t hash = 0xcbf29ce484222325ULL;
  for (const char c : key) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 0x100000001b3ULL;
  }
  hash ^= hash >> 30;
  hash *= 0xbf58476d1ce4e5b9ULL;
  hash ^= hash >> 27;
  hash *= 0x94d049bb133111ebULL;
  hash ^= hash >> 31;
  return hash;
}

void add(ContactKeys& keys, std::string_view key) {
  const std::uint64_t hash = hashOf(key);
  const auto end = keys.keys.begin() + static_cast<std::ptrdiff_t>(keys.count);
  if (std::find(keys.keys.begin(), end, hash) == end) keys.keys[keys.count++] = hash;
}

}  // namespace

ContactKeys contactKeys(const ContactValues& values) {
  ContactKeys keys;
  std::string key;
  for (const Field field : {Field::EmailAddress, Field::EmailAddress2, Field::EmailAddress3}) {
    key = "E";
    appendFolded(key, values[field]);
    if (key.size() > 1) add(keys, key);
  }

  std::string name = "N";
  appendFolded(name, values[Field::FirstName]);
  name += '\x1f';
  appendFolded(name, values[Field::LastName]);
  if (name.size() == 2) {
    name = "F";
    appendFolded(name, values[Field::FullName]);
    if (name.size() == 1) return keys;
  }
  for (const Field field :
       {Field::MobileNumber, Field::HomeTelephoneNumber, Field::BusinessTelephoneNumber}) {
    key = name;
    key += '\x1e';
    const std::size_t before = key.size();
    appendDigits(key, values[field]);
    // A number needs a digit; a lone "+" is none.
    if (std::any_of(key.begin() + static_cast<std::ptrdiff_t>(before), key.end(),
                    [](char c) { return c >= '0' && c <= '9'; })) {
      add(keys, key);
    }
  }
  return keys;
}

}  // namespace quillmere::core
