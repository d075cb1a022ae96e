#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/ContactKeys.h"
#include "core/ExportReport.h"

namespace quillmere::core {

inline void putBytes(std::string& out, const void* bytes, std::size_t size) {
  out.append(static_cast<const char*>(bytes), size);
}

// One row as the spool holds it: row, kind, file, reason and the contact's keys, each
// number in the machine's own byte order, since only this program reads the spool back.
struct SpoolRow {
  std::uint32_t row = 0;
  RowOutcome::Kind kind = RowOutcome::Kind::Written;
  std::string file;
  std::string reason;
  ContactKeys keys;
};

// Appends a row to `out` as the spool holds it; `kind` is a RowOutcome::Kind.
void appendSpoolRow(std::string& out, std::uint32_t row, std::uint8_t kind, std::string_view file,
                    std::string_view reason, const ContactKeys& keys);

// Reads the rows of a spool back; throws ReportError naming the spool when it cannot be read
// or is damaged.
class SpoolReader {
 public:
  SpoolReader(std::FILE* in, const std::filesystem::path& spool) : in_(in), spool_(spool) {}

  // False at the end of the spool.
  bool next(SpoolRow& row);

 private:
  bool read(void* bytes, std::size_t size, bool endAllowed = false);
  void text(std::string& out);
  [[noreturn]] void damaged() const;

  std::FILE* in_;
  const std::filesystem::path& spool_;
};

}  // namespace quillmere::core
