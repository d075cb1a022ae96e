#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/ContactValues.h"

namespace quillmere::core {

// Three e-mail addresses and three telephone numbers give at most six keys.
inline constexpr std::size_t kMaxContactKeys = 6;

// 64-bit hashes of what makes two rows look like the same contact: each e-mail address
// (case and surrounding spaces ignored), and the name together with each telephone number
// (case and spacing of the name ignored, only the digits and a leading "+" of the number
// kept). The name is the first and last name, or the full name when both are empty. Rows
// sharing any key look alike; equal keys within one row are given once.
struct ContactKeys {
  std::array<std::uint64_t, kMaxContactKeys> keys{};
  std::size_t count = 0;
};

// The texts a row's keys are made of, as views into its values.
struct KeyTexts {
  std::array<std::string_view, 3> emails;
  std::string_view firstName, lastName, fullName;
  std::array<std::string_view, 3> numbers;  // mobile, home, business
};

KeyTexts keyTexts(const ContactValues& values);
ContactKeys contactKeys(const KeyTexts& texts);
inline ContactKeys contactKeys(const ContactValues& values) {
  return contactKeys(keyTexts(values));
}

}  // namespace quillmere::core
