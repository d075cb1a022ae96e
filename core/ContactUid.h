#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/ContactValues.h"

namespace quillmere::core {

// A card's UID: the same each time the same contact is converted, so an address book or a
// server updates the card rather than adding it again. It is made of the fields people
// rarely change: the names (the company where there are none) and the first e-mail address
// (the first phone number where there is none), with case and runs of spaces ignored, so a
// corrected phone or note keeps it.
struct ContactUid {
  std::uint64_t high = 0;
  std::uint64_t low = 0;
  friend bool operator==(const ContactUid&, const ContactUid&) = default;
};

inline constexpr std::size_t kUidTextSize = 36;

ContactUid contactUid(const ContactValues& values);

// Another UID for the `occurrence`th row (from 2) that would share `uid`, the same on every
// conversion of rows in the same order.
ContactUid distinctUid(const ContactUid& uid, std::uint32_t occurrence);

// The UID as a UUID of the form RFC 9562 leaves to its makers (version 8):
// "xxxxxxxx-xxxx-8xxx-yxxx-xxxxxxxxxxxx", lower case.
void appendUidText(std::string& out, const ContactUid& uid);
ContactUid uidFromText(std::string_view text);

// Where a standard record's UID value begins in its text, or npos.
std::size_t uidValueAt(std::string_view record);
// A standard record's UID value; empty when it has none.
std::string_view uidOf(std::string_view record);

}  // namespace quillmere::core
