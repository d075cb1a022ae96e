#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/ScratchFolder.h"

namespace quillmere::source::xlsx::testing {

// A folder of its own under the system's temporary folder, removed with everything in it.
class TemporaryFolder : public quillmere::test::ScratchFolder {
 public:
  TemporaryFolder() : ScratchFolder("test") {}
};

// Writes a one-sheet .xlsx with the given worksheet part, deflated, for workbooks too large to
// commit as fixtures. Throws std::runtime_error when libzip cannot write it.
void writeOneSheetWorkbook(const std::filesystem::path& file, const std::string& sheetXml);

// One part of a workbook written by writeRepeatedWorkbook: `head`, `body` `times` over, `tail`.
struct RepeatedPart {
  std::string head;
  std::string body;
  std::uint64_t times = 0;
  std::string tail;
  // What the zip directory says the part unpacks to, when it lies; else its true size.
  std::optional<std::uint64_t> statedSize;
  // What it says the part packs to, when that lies; else its true packed size.
  std::optional<std::uint64_t> statedPackedSize;

  std::uint64_t size() const { return head.size() + body.size() * times + tail.size(); }
};

// A part of `text` alone.
inline RepeatedPart wholePart(std::string text) {
  RepeatedPart part;
  part.head = std::move(text);
  return part;
}

// Writes a one-sheet .xlsx, with a shared-string part when `strings` has one, deflated at the
// best level. Each body is deflated once and its packed form repeated, so a part of gigabytes
// takes milliseconds to write and packs as a zip bomb does. Parts stay below 4 GiB (no zip64).
void writeRepeatedWorkbook(const std::filesystem::path& file, const RepeatedPart& sheet,
                           const std::optional<RepeatedPart>& strings = std::nullopt);

// Writes a zip archive of the given parts, named, packed as writeRepeatedWorkbook packs them.
void writeRepeatedArchive(const std::filesystem::path& file,
                          const std::vector<std::pair<std::string, RepeatedPart>>& parts);

// Writes a one-sheet .xlsx deflated at zlib's default level, as spreadsheet programs pack.
void writePackedOneSheetWorkbook(const std::filesystem::path& file, const std::string& sheetXml);

// Makes a workbook count its dates from 1904 by adding date1904 to its workbookPr element,
// which libxlsxwriter cannot. Throws std::runtime_error when the part cannot be rewritten.
void setDate1904(const std::filesystem::path& file);

}  // namespace quillmere::source::xlsx::testing
