#pragma once

#include <string>
#include <string_view>

namespace quillmere::core {

// A moment of the local clock, as the user's calendar shows it.
struct LocalTime {
  int year = 0;
  int month = 0;  // 1 to 12
  int day = 0;    // 1 to 31
  int hour = 0;   // 0 to 23
  int minute = 0;
  int second = 0;
};

// The folder a run writes into, inside `base`: base + "/Quillmere_" + day, month, year, hour,
// minute and second joined by "_", without leading zeros ("/x/Quillmere_6_12_2026_4_3_9").
// The separator is added even when base already ends with one.
std::string datedExportFolder(std::string_view base, const LocalTime& at);

}  // namespace quillmere::core
