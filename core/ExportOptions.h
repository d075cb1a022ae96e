#pragma once

#include <string>

namespace quillmere::core {

// The choices the user can still change while a run goes on. The run asks at the moment of
// use, so a change applies from the next record or e-mail test on.
class ExportOptions {
 public:
  virtual ~ExportOptions() = default;
  // "2.1", "3.0" or "4.0"; asked once per record.
  virtual std::string vCardVersion() = 0;
  // All contacts into one file; asked once per record.
  virtual bool singleFile() = 0;
  // Keep contacts whose e-mail cell holds only spaces; asked at each e-mail test.
  virtual bool allowEmptyEmail() = 0;
  // Take each number cell's value as the sheet displays it (its number format applied)
  // rather than its text form; asked once per row.
  virtual bool keepNumbersAsShown() = 0;
  // Read and write the More Fields (birthday, nickname, pager...) the columns are paired
  // with; asked once per row. Off unless a caller offers them, so every other caller writes
  // the cards it always wrote.
  virtual bool moreFields() { return false; }
  // The region code ("DE") whose numbers every phone and fax number is written in
  // international form as; empty writes them as the sheet has them. Asked once per row.
  virtual std::string phoneCountry() { return {}; }
};

}  // namespace quillmere::core
