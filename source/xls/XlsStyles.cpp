#include "source/xls/XlsStyles.h"

#include <optional>
#include <string_view>
#include <unordered_map>

#include "source/xls/LittleEndian.h"
#include "source/xls/RecordType.h"

namespace quillmere::source::xls {

namespace {

// BIFF2 cells keep the index of their FORMAT record in six bits of their attributes.
constexpr std::uint32_t kBiff2Formats = 64;
// Before BIFF5 a format is known by its place among the FORMAT records, and Excel wrote every
// one it used, built-in or not; the places count from here, clear of the built-in ids, so a
// place without a record is General.
constexpr std::uint32_t kFirstPlace = 0x10000;
constexpr std::uint8_t kWideCharacters = 0x01;
constexpr std::uint8_t kExtendedString = 0x04;
constexpr std::uint8_t kRichString = 0x08;

// The format index an XF record gives, by its layout in each version; nothing when the record
// is too short to hold one.
std::optional<std::uint16_t> xfFormat(const BiffRecord& record) {
  const std::string_view data = record.data;
  switch (record.type) {
    case record::kXf2:
      if (data.size() >= 3) return static_cast<std::uint16_t>(byteAt(data, 2) & 0x3F);
      break;
    case record::kXf3:
    case record::kXf4:
      if (data.size() >= 2) return byteAt(data, 1);
      break;
    default:
      if (data.size() >= 4) return u16At(data, 2);
      break;
  }
  return std::nullopt;
}

// 8-bit text with an 8-bit count at `offset`, in the workbook's code page.
std::optional<std::string> byteString(std::string_view data, std::size_t offset,
                                      const XlsTextDecoder& decoder) {
  if (data.size() < offset + 1) return std::nullopt;
  const std::size_t length = byteAt(data, offset);
  if (data.size() < offset + 1 + length) return std::nullopt;
  std::string text;
  if (!decoder.appendCodePage(text, data.substr(offset + 1, length))) return std::nullopt;
  return text;
}

// A BIFF8 string with a 16-bit count at `offset`: one- or two-byte characters, perhaps
// followed by formatting runs or a phonetic block, which a format code never needs.
std::optional<std::string> unicodeString(std::string_view data, std::size_t offset) {
  if (data.size() < offset + 3) return std::nullopt;
  const std::size_t count = u16At(data, offset);
  const std::uint8_t flags = byteAt(data, offset + 2);
  std::size_t at = offset + 3;
  if (flags & kRichString) at += 2;
  if (flags & kExtendedString) at += 4;
  const std::size_t width = (flags & kWideCharacters) ? 2 : 1;
  if (data.size() < at || (data.size() - at) / width < count) return std::nullopt;
  std::string text;
  if (width == 1) {
    XlsTextDecoder::appendLatin1(text, data.substr(at, count));
  } else {
    std::u16string units(count, u'\0');
    for (std::size_t i = 0; i < count; ++i)
      units[i] = static_cast<char16_t>(u16At(data, at + 2 * i));
    XlsTextDecoder::appendUtf16(text, units);
  }
  return text;
}

// A FORMAT record's code: BIFF2 and 3 hold only the text, BIFF4 leaves two bytes unused before
// it, BIFF5 and 8 give the format's id there.
std::optional<std::string> formatCode(std::string_view data, BiffVersion version,
                                      const XlsTextDecoder& decoder) {
  switch (version) {
    case BiffVersion::Biff2:
    case BiffVersion::Biff3:
      return byteString(data, 0, decoder);
    case BiffVersion::Biff4:
    case BiffVersion::Biff5:
      return byteString(data, 2, decoder);
    case BiffVersion::Biff8:
      return unicodeString(data, 2);
  }
  return std::nullopt;
}

}  // namespace

bool XlsStyles::take(const BiffRecord& record) {
  switch (record.type) {
    case record::kFormat2:
    case record::kFormat:
      // Of a code too long to be real only the id (or the place) is kept: it shows General.
      if (formats_.size() < kMaxFormats) {
        formats_.emplace_back(record.data.size() <= kMaxFormatBytes ? record.data
                                                                    : record.data.substr(0, 2));
      }
      return true;
    case record::kXf2:
    case record::kXf3:
    case record::kXf4:
    case record::kXf:
      if (styleFormats_.size() < kMaxStyles) styleFormats_.push_back(xfFormat(record).value_or(0));
      return true;
    case record::kDateMode:
      if (record.data.size() >= 2) date1904_ = u16At(record.data, 0) != 0;
      return true;
    default:
      return false;
  }
}

CellFormats XlsStyles::build(BiffVersion version, const XlsTextDecoder& decoder,
                             bool date1904) const {
  // From BIFF5 on a format is known by the id its record states, and an id without a record
  // is a built-in format.
  const bool byPlace = version == BiffVersion::Biff2 || version == BiffVersion::Biff3 ||
                       version == BiffVersion::Biff4;
  const std::uint32_t first = byPlace ? kFirstPlace : 0;
  std::unordered_map<std::uint32_t, std::string> codes;
  for (std::size_t i = 0; i < formats_.size(); ++i) {
    const std::string& data = formats_[i];
    if (!byPlace && data.size() < 2) continue;
    const std::uint32_t id = byPlace ? kFirstPlace + static_cast<std::uint32_t>(i) : u16At(data, 0);
    // A code that cannot be read is General, not the built-in format of its id.
    codes[id] = formatCode(data, version, decoder).value_or(std::string());
  }
  std::vector<std::uint32_t> formatIds;
  if (version == BiffVersion::Biff2) {
    for (std::uint32_t i = 0; i < kBiff2Formats; ++i)
      formatIds.push_back(first + i);
  } else {
    for (const std::uint16_t format : styleFormats_)
      formatIds.push_back(first + format);
  }
  return CellFormats(std::move(formatIds), std::move(codes), date1904);
}

}  // namespace quillmere::source::xls
