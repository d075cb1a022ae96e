#pragma once

#include <cstdint>

// Record identifiers of the binary workbook format. BIFF2 used small numbers that later
// versions moved up by 0x200; the readers accept both where they do not collide.
namespace quillmere::source::xls::record {

inline constexpr std::uint16_t kBlank2 = 0x0001;
inline constexpr std::uint16_t kInteger2 = 0x0002;
inline constexpr std::uint16_t kNumber2 = 0x0003;
inline constexpr std::uint16_t kLabel2 = 0x0004;
inline constexpr std::uint16_t kBoolErr2 = 0x0005;
inline constexpr std::uint16_t kFormula = 0x0006;  // BIFF2 and BIFF5/8, laid out differently
inline constexpr std::uint16_t kString2 = 0x0007;
inline constexpr std::uint16_t kEof = 0x000A;
inline constexpr std::uint16_t kFormat2 = 0x001E;   // BIFF2 and BIFF3
inline constexpr std::uint16_t kDateMode = 0x0022;  // the "1904" record
inline constexpr std::uint16_t kFilePass = 0x002F;
inline constexpr std::uint16_t kContinue = 0x003C;
inline constexpr std::uint16_t kCodePage = 0x0042;
inline constexpr std::uint16_t kXf2 = 0x0043;
inline constexpr std::uint16_t kBoundSheet = 0x0085;
inline constexpr std::uint16_t kMulRk = 0x00BD;
inline constexpr std::uint16_t kMulBlank = 0x00BE;
inline constexpr std::uint16_t kRString = 0x00D6;
inline constexpr std::uint16_t kXf = 0x00E0;  // BIFF5 and BIFF8
inline constexpr std::uint16_t kSst = 0x00FC;
inline constexpr std::uint16_t kLabelSst = 0x00FD;
inline constexpr std::uint16_t kBlank = 0x0201;
inline constexpr std::uint16_t kNumber = 0x0203;
inline constexpr std::uint16_t kLabel = 0x0204;
inline constexpr std::uint16_t kBoolErr = 0x0205;
inline constexpr std::uint16_t kFormula3 = 0x0206;
inline constexpr std::uint16_t kString = 0x0207;
inline constexpr std::uint16_t kArray = 0x0221;
inline constexpr std::uint16_t kTable = 0x0236;
inline constexpr std::uint16_t kXf3 = 0x0243;
inline constexpr std::uint16_t kRk = 0x027E;
inline constexpr std::uint16_t kFormula4 = 0x0406;
inline constexpr std::uint16_t kFormat = 0x041E;  // BIFF4 to BIFF8
inline constexpr std::uint16_t kXf4 = 0x0443;
inline constexpr std::uint16_t kSharedFormula = 0x04BC;

inline constexpr std::uint16_t kBof2 = 0x0009;
inline constexpr std::uint16_t kBof3 = 0x0209;
inline constexpr std::uint16_t kBof4 = 0x0409;
inline constexpr std::uint16_t kBof = 0x0809;

inline constexpr bool isBof(std::uint16_t type) {
  return type == kBof2 || type == kBof3 || type == kBof4 || type == kBof;
}

// Sub-stream kinds in a BOF record.
inline constexpr std::uint16_t kGlobalsStream = 0x0005;
inline constexpr std::uint16_t kVisualBasicStream = 0x0006;
inline constexpr std::uint16_t kWorksheetStream = 0x0010;
inline constexpr std::uint16_t kChartStream = 0x0020;
inline constexpr std::uint16_t kMacroSheetStream = 0x0040;
inline constexpr std::uint16_t kWorkspaceStream = 0x0100;  // a BIFF4 workbook

}  // namespace quillmere::source::xls::record
