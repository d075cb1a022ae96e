// Any values for the thirty fields must give, in every version, one well-formed record:
// "BEGIN:VCARD" first, "VERSION:" next, "END:VCARD" last and nowhere else, lines joined by
// CR LF with no bare CR or LF inside a line, and every other line one of the properties the
// writer knows. The first input byte separates the values in the rest, so any byte, line
// breaks and NUL included, can be part of a value.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/ContactValues.h"
#include "core/VCardRecord.h"

namespace {

using namespace quillmere::core;

constexpr std::array<VCardVersion, 3> kVersions{VCardVersion::V21, VCardVersion::V30,
                                                VCardVersion::V40};

// What may come between VERSION and END:VCARD.
constexpr std::array<std::string_view, 9> kProperties{"N",   "FN",    "ORG",  "TITLE", "TEL",
                                                      "ADR", "EMAIL", "NOTE", "URL"};

[[noreturn]] void fail(const char* what, VCardVersion written, const std::string& record) {
  const std::string_view version = versionText(written);
  std::fprintf(stderr, "vCard %.*s record %s:\n%s\n", static_cast<int>(version.size()),
               version.data(), what, record.c_str());
  std::abort();
}

std::vector<std::string_view> linesOf(std::string_view record) {
  std::vector<std::string_view> lines;
  for (;;) {
    const auto end = record.find("\r\n");
    lines.push_back(record.substr(0, end));
    if (end == std::string_view::npos) return lines;
    record.remove_prefix(end + 2);
  }
}

bool isKnownProperty(std::string_view line) {
  const auto nameEnd = line.find_first_of(";:");
  if (nameEnd == std::string_view::npos || line.find(':') == std::string_view::npos) {
    return false;
  }
  const std::string_view name = line.substr(0, nameEnd);
  for (const std::string_view known : kProperties) {
    if (name == known) return true;
  }
  return false;
}

void check(const ContactValues& values, VCardVersion version) {
  const std::string record = buildRecord(values, version);
  const std::vector<std::string_view> lines = linesOf(record);
  if (lines.size() < 4) fail("has fewer than four lines", version, record);
  if (lines.front() != "BEGIN:VCARD") fail("does not start with BEGIN:VCARD", version, record);
  if (lines.back() != "END:VCARD") fail("does not end with END:VCARD", version, record);
  if (lines[1] != "VERSION:" + std::string(versionText(version))) {
    fail("has no VERSION line second", version, record);
  }
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    if (line.find_first_of("\r\n") != std::string_view::npos) {
      fail("has a bare CR or LF inside a line", version, record);
    }
    if (i >= 2 && i + 1 < lines.size() && !isKnownProperty(line)) {
      fail("has a line that is no known property", version, record);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const char separator = static_cast<char>(data[0]);
  std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  ContactValues values;
  for (std::size_t field = 0; field < kFieldCount && !rest.empty(); ++field) {
    const auto end = rest.find(separator);
    values[static_cast<Field>(field)] = std::string(rest.substr(0, end));
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  }
  for (const VCardVersion version : kVersions)
    check(values, version);
  return 0;
}
