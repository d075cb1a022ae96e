#include "core/RowSpool.h"

#include <cerrno>

#include "core/QuotedPath.h"
#include "core/RowReport.h"
#include "core/SystemErrorText.h"

namespace quillmere::core {

void appendSpoolRow(std::string& out, std::uint32_t row, std::uint8_t kind, std::string_view file,
                    std::string_view reason, const ContactKeys& keys) {
  const auto fileSize = static_cast<std::uint32_t>(file.size());
  const auto reasonSize = static_cast<std::uint32_t>(reason.size());
  const auto keyCount = static_cast<std::uint8_t>(keys.count);
  putBytes(out, &row, sizeof row);
  putBytes(out, &kind, sizeof kind);
  putBytes(out, &fileSize, sizeof fileSize);
  out += file;
  putBytes(out, &reasonSize, sizeof reasonSize);
  out += reason;
  putBytes(out, &keyCount, sizeof keyCount);
  putBytes(out, keys.keys.data(), keys.count * sizeof(std::uint64_t));
}

bool SpoolReader::next(SpoolRow& row) {
  std::uint8_t kind = 0;
  if (!read(&row.row, sizeof row.row, true)) return false;
  read(&kind, sizeof kind);
  if (kind > static_cast<std::uint8_t>(RowOutcome::Kind::Failed)) damaged();
  row.kind = static_cast<RowOutcome::Kind>(kind);
  text(row.file);
  text(row.reason);
  std::uint8_t count = 0;
  read(&count, sizeof count);
  if (count > kMaxContactKeys) damaged();
  row.keys.count = count;
  read(row.keys.keys.data(), count * sizeof(std::uint64_t));
  return true;
}

bool SpoolReader::read(void* bytes, std::size_t size, bool endAllowed) {
  if (size == 0) return true;
  const std::size_t got = std::fread(bytes, 1, size, in_);
  if (got == size) return true;
  if (std::ferror(in_) != 0) {
    throw ReportError("The row report could not be read back from " + quotedPath(spool_) + ": " +
                      explainSystemError(errno) + ".");
  }
  if (got == 0 && endAllowed) return false;
  damaged();
}

void SpoolReader::text(std::string& out) {
  std::uint32_t size = 0;
  read(&size, sizeof size);
  if (size > RowReport::kMaxSpoolText) damaged();
  out.resize(size);
  read(out.data(), size);
}

void SpoolReader::damaged() const {
  throw ReportError("The row report kept in " + quotedPath(spool_) +
                    " is damaged; convert again to make a new one.");
}

}  // namespace quillmere::core
