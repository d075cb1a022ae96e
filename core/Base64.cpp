#include "core/Base64.h"

#include <array>
#include <cstdint>

namespace quillmere::core {

namespace {

constexpr std::string_view kAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

constexpr std::array<std::int8_t, 256> kValues = [] {
  std::array<std::int8_t, 256> values{};
  values.fill(-1);
  for (std::size_t i = 0; i < kAlphabet.size(); ++i)
    values[static_cast<unsigned char>(kAlphabet[i])] = static_cast<std::int8_t>(i);
  return values;
}();

}  // namespace

void appendBase64(std::string& out, std::string_view bytes) {
  out.reserve(out.size() + (bytes.size() + 2) / 3 * 4);
  std::size_t at = 0;
  const auto byte = [&](std::size_t i) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i]));
  };
  for (; at + 3 <= bytes.size(); at += 3) {
    const std::uint32_t triple = byte(at) << 16 | byte(at + 1) << 8 | byte(at + 2);
    out += kAlphabet[triple >> 18];
    out += kAlphabet[(triple >> 12) & 63];
    out += kAlphabet[(triple >> 6) & 63];
    out += kAlphabet[triple & 63];
  }
  const std::size_t left = bytes.size() - at;
  if (left == 0) return;
  const std::uint32_t triple = byte(at) << 16 | (left == 2 ? byte(at + 1) << 8 : 0);
  out += kAlphabet[triple >> 18];
  out += kAlphabet[(triple >> 12) & 63];
  out += left == 2 ? kAlphabet[(triple >> 6) & 63] : '=';
  out += '=';
}

std::optional<std::string> decodeBase64(std::string_view text) {
  std::string out;
  out.reserve(text.size() / 4 * 3);
  std::uint32_t bits = 0;
  int held = 0;
  bool padded = false;
  for (const char c : text) {
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') continue;
    if (c == '=') {
      padded = true;
      continue;
    }
    const std::int8_t value = kValues[static_cast<unsigned char>(c)];
    if (value < 0 || padded) return std::nullopt;
    bits = bits << 6 | static_cast<std::uint32_t>(value);
    held += 6;
    if (held >= 8) {
      held -= 8;
      out += static_cast<char>((bits >> held) & 0xFF);
    }
  }
  return out;
}

}  // namespace quillmere::core
