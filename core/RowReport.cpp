#include "core/RowReport.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>
#include <vector>

#include "core/ContactKeys.h"
#include "core/CsvField.h"
#include "core/DuplicateIndex.h"
#include "core/QuotedPath.h"
#include "core/RowSpool.h"
#include "core/SystemErrorText.h"

namespace quillmere::core {

namespace {

constexpr std::size_t kBufferBytes = 1 << 16;
// Rows are handed to the spool's thread in batches of about this size.
constexpr std::size_t kBatchBytes = 1 << 16;

// What a batch holds of a row's contact keys.
enum class BatchKeys : std::uint8_t {
  None,   // the row is compared with no other
  Texts,  // the texts they are made of, to be made on the spool's thread
  Made,   // the keys themselves, made with the row's record
};

void putText(std::string& out, std::string_view text) {
  const std::size_t size = text.size();
  putBytes(out, &size, sizeof size);
  out += text;
}

// Reads back, on the spool's thread, the rows of a batch as add() put them.
class BatchReader {
 public:
  explicit BatchReader(const std::string& batch) : at_(batch.data()), end_(at_ + batch.size()) {}
  bool atEnd() const { return at_ == end_; }
  template <typename Number>
  Number number() {
    Number value{};
    std::memcpy(&value, at_, sizeof value);
    at_ += sizeof value;
    return value;
  }
  std::string_view text() {
    const auto size = number<std::size_t>();
    const std::string_view text(at_, size);
    at_ += size;
    return text;
  }

 private:
  const char* at_;
  const char* end_;
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
    out_.reset();
    return;
  }
  worker_ = std::make_unique<BatchWorker>([this](const std::string& batch) { this->spool(batch); });
}

RowReport::~RowReport() {
  worker_.reset();
  out_.reset();
  // The spool lives in the program's own temporary folder, which goes when the program ends;
  // a spool that cannot be removed now is removed then.
  std::error_code ignored;
  std::filesystem::remove(spool_, ignored);
}

std::string RowReport::problem() const {
  const std::lock_guard lock(problemMutex_);
  return problem_;
}

void RowReport::fail(const std::string& what, int error) {
  const std::lock_guard lock(problemMutex_);
  if (!problem_.empty()) return;
  problem_ = "The report of this conversion could not be kept: " + quotedPath(spool_) + " " + what +
             ": " + explainSystemError(error) +
             ". The contacts were converted all the same; convert again to have a report.";
  spoolFailed_.store(true, std::memory_order_relaxed);
}

void RowReport::add(const RowOutcome& outcome) {
  ++rows_;
  if (!out_ || spoolFailed_.load(std::memory_order_relaxed)) return;
  // Only copied here: keys not made with the record are made, and the spool is written, on
  // the spool's thread.
  std::string& batch = worker_->batch();
  const auto kind = static_cast<std::uint8_t>(outcome.kind);
  std::string leftOut = outcome.kind == RowOutcome::Kind::Written && outcome.values != nullptr
                            ? leftOutText(*outcome.values)
                            : std::string();
  if (!leftOut.empty() && !outcome.reason.empty()) leftOut += "; ";
  const std::string& reason = leftOut.empty() ? outcome.reason : leftOut += outcome.reason;
  putBytes(batch, &outcome.sheetRow, sizeof outcome.sheetRow);
  putBytes(batch, &kind, sizeof kind);
  putText(batch, std::string_view(outcome.file).substr(0, kMaxSpoolText));
  putText(batch, std::string_view(reason).substr(0, kMaxSpoolText));
  // A dropped row's values end at its e-mail cell, so it is compared with nothing.
  const bool compared =
      outcome.kind != RowOutcome::Kind::DroppedEmptyEmail && outcome.values != nullptr;
  const BatchKeys keys = !compared                 ? BatchKeys::None
                         : outcome.keys != nullptr ? BatchKeys::Made
                                                   : BatchKeys::Texts;
  putBytes(batch, &keys, sizeof keys);
  if (keys == BatchKeys::Made) {
    const auto count = static_cast<std::uint8_t>(outcome.keys->count);
    putBytes(batch, &count, sizeof count);
    putBytes(batch, outcome.keys->keys.data(), count * sizeof(std::uint64_t));
  } else if (keys == BatchKeys::Texts) {
    const KeyTexts texts = keyTexts(*outcome.values);
    for (const std::string_view email : texts.emails)
      putText(batch, email);
    putText(batch, texts.firstName);
    putText(batch, texts.lastName);
    putText(batch, texts.fullName);
    for (const std::string_view number : texts.numbers)
      putText(batch, number);
  }
  if (batch.size() >= kBatchBytes) worker_->submit();
}

void RowReport::spool(const std::string& batch) {
  if (spoolFailed_.load(std::memory_order_relaxed)) return;
  BatchReader in(batch);
  record_.clear();
  while (!in.atEnd()) {
    const auto sheetRow = in.number<std::uint32_t>();
    const auto kind = in.number<std::uint8_t>();
    const std::string_view file = in.text();
    const std::string_view reason = in.text();
    ContactKeys keys;
    const auto kept = in.number<BatchKeys>();
    if (kept == BatchKeys::Made) {
      keys.count = in.number<std::uint8_t>();
      for (std::size_t i = 0; i < keys.count; ++i)
        keys.keys[i] = in.number<std::uint64_t>();
    } else if (kept == BatchKeys::Texts) {
      KeyTexts texts;
      for (std::string_view& email : texts.emails)
        email = in.text();
      texts.firstName = in.text();
      texts.lastName = in.text();
      texts.fullName = in.text();
      for (std::string_view& number : texts.numbers)
        number = in.text();
      keys = contactKeys(texts);
    }
    keys_ += keys.count;
    appendSpoolRow(record_, sheetRow, kind, file, reason, keys);
  }
  if (std::fwrite(record_.data(), 1, record_.size(), out_.get()) != record_.size()) {
    fail("could not be written", errno);
  }
}

void RowReport::finish() {
  finished_ = true;
  if (!out_) return;
  worker_->finish();
  if (spoolFailed_.load(std::memory_order_relaxed)) {
    out_.reset();
    return;
  }
  if (std::fflush(out_.get()) != 0) {
    fail("could not be written", errno);
    out_.reset();
    return;
  }
  if (std::fclose(out_.release()) != 0) fail("could not be written", errno);
}

void RowReport::saveCsv(const std::filesystem::path& destination) const {
  if (std::string problem = this->problem(); !problem.empty()) throw ReportError(problem);
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
