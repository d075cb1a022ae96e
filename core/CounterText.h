#pragma once

#include <cstdint>
#include <string>

namespace quillmere::core {

// A number as the window shows counts: one leading space stands in the sign's place of a
// number that is not negative (" 25", "-1").
std::string withSignPlace(std::int64_t number);

// A counter caption: the counter with its sign place, "/", and the total without one
// (" 3/10").
std::string counterCaption(std::int64_t counter, std::int64_t total);

}  // namespace quillmere::core
