#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

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

ContactKeys contactKeys(const ContactValues& values);

}  // namespace quillmere::core
