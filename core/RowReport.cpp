#include "core/RowReport.h"

#include <algorithm>
#include <cerrno>
#include <system_error>
#include <vector>

#include "core/ContactKeys.h"
#include "core/CsvField.h"
#include "core/DuplicateIndex.h"
#include "core/QuotedPath.h"
#include "core/SystemErrorText.h"

namespace quillmere::core {

namespace {

constexpr std::size_t kBufferBytes = 1 << 16;

// One row as the spool holds it: row, kind, file, reason and the contact's keys, each
// number in the machine's own byte order, since only this program reads the spool back.
struct SpoolRow {
  std::uint32_t row = 0;
  RowOutcome::Kind kind = RowOutcome::Kind::Written;
  std::string file;
  std::string reason;
  ContactKeys keys;
};

class SpoolReader {
 public:
  SpoolReader(std::FILE* in, const std::filesystem::path& spool) : in_(in), spool_(spool) {}

  // False at the end of the spool.
  bool next(SpoolRow& row) {
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

 private:
  bool read(void* bytes, std::size_t size, bool endAllowed = false) {
    if (size == 0) return true;
    const std::size_t got = std::fread(bytes, 1, size, in_);
    if (got == size) return true;
    if (std::ferror(in_) != 0) {
      throw ReportError("The row report could not be read back from " + quotedPath(spool_) + ": " +
                        explainSystemError(errno) + ".");
    }
    if (got == 0 && endAllowed) return false;
    damaged();
    return false;
  }

  void text(std::string& out) {
    std::uint32_t size = 0;
    read(&size, sizeof size);
    if (size > RowReport::kMaxSpoolText) damaged();
    out.resize(size);
    read(out.data(), size);
  }

  [[noreturn]] void damaged() const {
    throw ReportError("The row report kept in " + quotedPath(spool_) +
                      " is damaged; convert again to make a new one.");
  }

  std::FILE* in_;
  const std::filesystem::path& spool_;
};

constexpr std::string_view kNotReadOutcome = "not read";

// A written row's values that found no field of their kind, and its cells not read as their
// field asks, for the Reason column.
std::string leftOutText(const ContactValues& values) {
  std::string text;
  for (const LeftOutValue& left : values.leftOut()) {
    text += text.empty() ? "left out, no free field of its kind: " : "; ";
    text += fieldName(left.field);
    text += " \"";
    text += left.value;
    text += '"';
  }
  for (const ValueNote& note : values.notes()) {
    if (!text.empty()) text += "; ";
    text += noteText(note);
  }
  return text;
}

void appendRow(std::string& line, const SpoolRow& row, const std::vector<std::uint32_t>& alike) {
  line += std::to_string(row.row);
  line += ',';
  appendCsvField(line, RowReport::outcomeText(row.kind));
  line += ',';
  appendCsvField(line, row.file);
  line += ',';
  appendCsvField(line, row.reason);
  line += ',';
  std::string rows;
  for (const std::uint32_t earlier : alike) {
    if (!rows.empty()) rows += ", ";
    rows += std::to_string(earlier);
  }
  appendCsvField(line, rows);
  line += "\r\n";
}

}  // namespace

std::string_view RowReport::outcomeText(RowOutcome::Kind kind) {
  switch (kind) {
    case RowOutcome::Kind::Written:
      return "written";
    case RowOutcome::Kind::DroppedEmptyEmail:
      return "dropped: empty e-mail";
    case RowOutcome::Kind::Failed:
      return "failed";
  }
  return {};
}

RowReport::RowReport(std::filesystem::path spool) : spool_(std::move(spool)) {
  out_.reset(std::fopen(spool_.c_str(), "wb"));
  if (!out_) {
    fail("could not be made", errno);
    return;
  }
  if (std::setvbuf(out_.get(), nullptr, _IOFBF, kBufferBytes) != 0) {
    fail("could not be given a buffer", errno);
  }
}

RowReport::~RowReport() {
  out_.reset();
  // The spool lives in the program's own temporary folder, which goes when the program ends;
  // a spool that cannot be removed now is removed then.
  std::error_code ignored;
  std::filesystem::remove(spool_, ignored);
}

void RowReport::fail(const std::string& what, int error) {
  problem_ = "The report of this conversion could not be kept: " + quotedPath(spool_) + " " + what +
             ": " + explainSystemError(error) +
             ". The contacts were converted all the same; convert again to have a report.";
  out_.reset();
}

void RowReport::append(const void* bytes, std::size_t size) {
  const auto* first = static_cast<const char*>(bytes);
  record_.append(first, size);
}

void RowReport::add(const RowOutcome& outcome) {
  ++rows_;
  if (!out_) return;
  // A dropped row's values end at its e-mail cell, so it is compared with nothing.
  const ContactKeys keys =
      outcome.kind != RowOutcome::Kind::DroppedEmptyEmail && outcome.values != nullptr
          ? contactKeys(*outcome.values)
          : ContactKeys{};
  const auto kind = static_cast<std::uint8_t>(outcome.kind);
  const auto fileSize =
      static_cast<std::uint32_t>(std::min<std::size_t>(outcome.file.size(), kMaxSpoolText));
  const std::string leftOut = outcome.kind == RowOutcome::Kind::Written && outcome.values != nullptr
                                  ? leftOutText(*outcome.values)
                                  : std::string();
  const std::string& reason = leftOut.empty() ? outcome.reason : leftOut;
  const auto reasonSize =
      static_cast<std::uint32_t>(std::min<std::size_t>(reason.size(), kMaxSpoolText));
  const auto keyCount = static_cast<std::uint8_t>(keys.count);
  keys_ += keys.count;
  // Gathered first and written at once: one call into the buffered file per row.
  record_.clear();
  append(&outcome.sheetRow, sizeof outcome.sheetRow);
  append(&kind, sizeof kind);
  append(&fileSize, sizeof fileSize);
  append(outcome.file.data(), fileSize);
  append(&reasonSize, sizeof reasonSize);
  append(reason.data(), reasonSize);
  append(&keyCount, sizeof keyCount);
  append(keys.keys.data(), keys.count * sizeof(std::uint64_t));
  if (std::fwrite(record_.data(), 1, record_.size(), out_.get()) != record_.size()) {
    fail("could not be written", errno);
  }
}

void RowReport::finish() {
  finished_ = true;
  if (!out_) return;
  if (std::fflush(out_.get()) != 0) {
    fail("could not be written", errno);
    return;
  }
  if (std::fclose(out_.release()) != 0) fail("could not be written", errno);
}

void RowReport::saveCsv(const std::filesystem::path& destination) const {
  if (!problem_.empty()) throw ReportError(problem_);
  if (!finished_) {
    throw ReportError("The report is complete only when the conversion has ended.");
  }
  File in(std::fopen(spool_.c_str(), "rb"));
  if (!in) {
    throw ReportError("The row report could not be read back from " + quotedPath(spool_) + ": " +
                      explainSystemError(errno) + ".");
  }

  std::filesystem::path partial = destination;
  partial += kPartialSuffix;
  const auto failed = [&](int error) {
    std::error_code ignored;
    std::filesystem::remove(partial, ignored);
    return ReportError("The report could not be saved as " + quotedPath(destination) + ": " +
                       explainSystemError(error) + ".");
  };
  File out(std::fopen(partial.c_str(), "wb"));
  if (!out) throw failed(errno);
  if (std::setvbuf(out.get(), nullptr, _IOFBF, kBufferBytes) != 0) {
    const int error = errno;
    out.reset();
    throw failed(error);
  }

  std::string line(kHeaderLine);
  line += "\r\n";
  SpoolReader reader(in.get(), spool_);
  SpoolRow row;
  DuplicateIndex firstRows(keys_);
  std::vector<std::uint32_t> alike;
  bool more = true;
  while (more) {
    try {
      more = reader.next(row);
    } catch (const ReportError&) {
      out.reset();
      std::error_code ignored;
      std::filesystem::remove(partial, ignored);
      throw;
    }
    if (more) {
      alike.clear();
      for (std::size_t k = 0; k < row.keys.count; ++k) {
        const std::uint32_t first = firstRows.firstRow(row.keys.keys[k], row.row);
        if (first != 0 && std::find(alike.begin(), alike.end(), first) == alike.end()) {
          alike.push_back(first);
        }
      }
      std::sort(alike.begin(), alike.end());
      appendRow(line, row, alike);
    }
    if (!more) {
      for (const auto& [sheetRow, reason] : notRead_) {
        if (sheetRow != 0) line += std::to_string(sheetRow);
        line += ',';
        appendCsvField(line, kNotReadOutcome);
        line += ",,";
        appendCsvField(line, reason);
        line += ",\r\n";
      }
    }
    if (line.size() >= kBufferBytes || (!more && !line.empty())) {
      if (std::fwrite(line.data(), 1, line.size(), out.get()) != line.size()) {
        const int error = errno;
        out.reset();
        throw failed(error);
      }
      line.clear();
    }
  }
  if (std::fflush(out.get()) != 0) {
    const int error = errno;
    out.reset();
    throw failed(error);
  }
  if (std::fclose(out.release()) != 0) throw failed(errno);
  std::error_code renamed;
  std::filesystem::rename(partial, destination, renamed);
  if (renamed) throw failed(renamed.value());
}

void RowReport::addNotRead(std::uint32_t sheetRow, std::string reason) {
  notRead_.emplace_back(sheetRow, std::move(reason));
}

}  // namespace quillmere::core
