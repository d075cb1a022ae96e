#include "source/xls/FragmentReader.h"

#include <algorithm>

#include "source/xls/LittleEndian.h"
#include "source/xls/XlsErrors.h"
#include "source/xls/XlsTextDecoder.h"

namespace quillmere::source::xls {

namespace {
constexpr std::uint8_t kHighByte = 0x01;
constexpr std::uint8_t kPhonetic = 0x04;
constexpr std::uint8_t kRichText = 0x08;
constexpr std::size_t kRunBytes = 4;
}  // namespace

FragmentReader::FragmentReader(const std::filesystem::path& file, std::string_view first,
                               FragmentSource& more)
    : file_(&file), more_(&more), current_(first) {}

bool FragmentReader::ensureData() {
  while (position_ >= current_.size()) {
    if (exhausted_ || !more_->nextFragment(current_)) {
      exhausted_ = true;
      return false;
    }
    position_ = 0;
  }
  return true;
}

bool FragmentReader::atEnd() {
  return !ensureData();
}

std::uint8_t FragmentReader::u8() {
  if (!ensureData()) throwDamaged(*file_, "a record ends before its data does");
  return byteAt(current_, position_++);
}

std::uint16_t FragmentReader::u16() {
  const std::uint8_t low = u8();
  return static_cast<std::uint16_t>(low | u8() << 8);
}

std::uint32_t FragmentReader::u32() {
  const std::uint16_t low = u16();
  return static_cast<std::uint32_t>(low) | static_cast<std::uint32_t>(u16()) << 16;
}

void FragmentReader::skip(std::size_t count) {
  while (count > 0) {
    if (!ensureData()) throwDamaged(*file_, "a record ends before its data does");
    const std::size_t step = std::min(count, current_.size() - position_);
    position_ += step;
    count -= step;
  }
}

std::string FragmentReader::bytes(std::size_t count) {
  std::string out;
  out.reserve(count);
  while (out.size() < count) {
    if (!ensureData()) throwDamaged(*file_, "a text runs past the end of its record");
    const std::string_view piece = current_.substr(position_, count - out.size());
    out += piece;
    position_ += piece.size();
  }
  return out;
}

void FragmentReader::appendUnicodeString(std::string& out, bool eightBitCount) {
  std::size_t remaining = eightBitCount ? u8() : u16();
  std::uint8_t flags = u8();
  const std::size_t runs = (flags & kRichText) != 0 ? u16() : 0;
  const std::size_t phoneticBytes = (flags & kPhonetic) != 0 ? u32() : 0;
  bool wide = (flags & kHighByte) != 0;
  const std::size_t bytes = remaining * (wide ? 2 : 1);
  if (bytes <= current_.size() - std::min(position_, current_.size())) {
    // Nearly every string lies whole in one fragment: decoded from its bytes where they are.
    const std::string_view characters = current_.substr(position_, bytes);
    if (wide) {
      XlsTextDecoder::appendUtf16Le(out, characters);
    } else {
      XlsTextDecoder::appendLatin1(out, characters);
    }
    position_ += bytes;
  } else {
    // Its characters go on in the next CONTINUE, which restates their width: they are
    // gathered first, so that a surrogate pair split between the two stays one character.
    units_.clear();
    while (remaining > 0) {
      if (position_ >= current_.size()) {
        if (exhausted_ || !more_->nextFragment(current_) || current_.empty()) {
          exhausted_ = true;
          throwDamaged(*file_, "a text runs past the end of its record");
        }
        position_ = 0;
        flags = byteAt(current_, position_++);
        wide = (flags & kHighByte) != 0;
        continue;
      }
      const std::size_t width = wide ? 2 : 1;
      const std::size_t available = (current_.size() - position_) / width;
      if (available == 0) throwDamaged(*file_, "a text is split in the middle of a character");
      const std::size_t take = std::min(remaining, available);
      for (std::size_t i = 0; i < take; ++i) {
        units_.push_back(wide ? static_cast<char16_t>(u16At(current_, position_ + 2 * i))
                              : static_cast<char16_t>(byteAt(current_, position_ + i)));
      }
      position_ += take * width;
      remaining -= take;
    }
    XlsTextDecoder::appendUtf16(out, units_);
  }
  skip(runs * kRunBytes);
  skip(phoneticBytes);
}

}  // namespace quillmere::source::xls
