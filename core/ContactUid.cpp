#include "core/ContactUid.h"

#include <array>
#include <initializer_list>
#include <string_view>

namespace quillmere::core {

namespace {

constexpr std::uint64_t kFnvPrime = 0x100000001b3ULL;

std::uint64_t mix(std::uint64_t x) {
  // The splitmix64 finaliser: every input bit reaches every output bit.
  x ^= x >> 30;
  x *= 0xbf58476d1ce4e5b9ULL;
  x ^= x >> 27;
  x *= 0x94d049bb133111ebULL;
  x ^= x >> 31;
  return x;
}

// Two independent 64-bit FNV-1a streams over the folded texts: case and runs of white
// space are not part of a contact's identity.
class UidHash {
 public:
  void text(std::string_view value) {
    std::size_t from = value.find_first_not_of(" \t\r\n");
    if (from == std::string_view::npos) from = value.size();
    bool space = false;
    for (std::size_t i = from; i < value.size(); ++i) {
      char c = value[i];
      if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
        space = true;
        continue;
      }
      if (space) byte(' ');
      space = false;
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
      byte(static_cast<unsigned char>(c));
    }
    byte(0x1f);  // ends the field, so "ab","c" and "a","bc" differ
  }
  std::uint64_t high() const { return mix(high_); }
  std::uint64_t low() const { return mix(low_ ^ 0x9e3779b97f4a7c15ULL); }

 private:
  void byte(unsigned char c) {
    high_ = (high_ ^ c) * kFnvPrime;
    low_ = (low_ ^ static_cast<unsigned char>(c + 0x5b)) * kFnvPrime;
  }
  std::uint64_t high_ = 0xcbf29ce484222325ULL;
  std::uint64_t low_ = 0x84222325cbf29ce4ULL;
};

// The version and variant bits say what kind of UUID this is; set where a UID is made, so
// equal texts are equal UIDs.
ContactUid versioned(std::uint64_t high, std::uint64_t low) {
  return {(high & ~0xf000ULL) | 0x8000ULL, (low & ~(0xc0ULL << 56)) | (0x80ULL << 56)};
}

std::string_view firstOf(const ContactValues& values, std::initializer_list<Field> fields) {
  for (const Field field : fields) {
    if (!values[field].empty()) return values[field];
  }
  return {};
}

}  // namespace

ContactUid contactUid(const ContactValues& values) {
  using enum Field;
  UidHash hash;
  const bool named = !firstOf(values, {FirstName, MiddleName, LastName, FullName}).empty();
  if (named) {
    for (const Field field : {FirstName, MiddleName, LastName, FullName})
      hash.text(values[field]);
  } else {
    hash.text(values[Company]);
  }
  const std::string_view email = firstOf(values, {EmailAddress, EmailAddress2, EmailAddress3});
  if (!email.empty()) {
    hash.text(email);
  } else {
    hash.text(firstOf(values, {MobileNumber, HomeTelephoneNumber, BusinessTelephoneNumber,
                               OtherTelephoneNumber}));
  }
  return versioned(hash.high(), hash.low());
}

ContactUid distinctUid(const ContactUid& uid, std::uint32_t occurrence) {
  return versioned(mix(uid.high ^ (std::uint64_t{occurrence} * 0x9e3779b97f4a7c15ULL)),
                   mix(uid.low + occurrence));
}

void appendUidText(std::string& out, const ContactUid& uid) {
  static constexpr char kHex[] = "0123456789abcdef";
  // Made in place and appended at once: every card of a destination has one.
  std::array<char, kUidTextSize> text{};
  std::size_t at = 0;
  for (int i = 0; i < 32; ++i) {
    if (i == 8 || i == 12 || i == 16 || i == 20) text[at++] = '-';
    const std::uint64_t half = i < 16 ? uid.high : uid.low;
    text[at++] = kHex[(half >> (60 - 4 * (i % 16))) & 0xf];
  }
  out.append(text.data(), text.size());
}

ContactUid uidFromText(std::string_view text) {
  ContactUid uid;
  int digits = 0;
  for (const char c : text) {
    int value = 0;
    if (c >= '0' && c <= '9') {
      value = c - '0';
    } else if (c >= 'a' && c <= 'f') {
      value = c - 'a' + 10;
    } else {
      continue;
    }
    std::uint64_t& half = digits < 16 ? uid.high : uid.low;
    half = (half << 4) | static_cast<std::uint64_t>(value);
    ++digits;
  }
  return uid;
}

std::size_t uidValueAt(std::string_view record) {
  const std::size_t at = record.rfind("\r\nUID:");
  return at == std::string_view::npos ? at : at + 6;
}

std::string_view uidOf(std::string_view record) {
  const std::size_t at = uidValueAt(record);
  if (at == std::string_view::npos) return {};
  return record.substr(at, record.find("\r\n", at) - at);
}

}  // namespace quillmere::core
