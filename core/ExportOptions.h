#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "core/Destination.h"
#include "core/VCardVersion.h"
#include "core/WrittenDate.h"

namespace quillmere::core {

// Every answer the options give at one moment.
struct OptionAnswers {
  VCardVersion vCardVersion = VCardVersion::V21;
  bool singleFile = false;
  bool allowEmptyEmail = false;
  bool keepNumbersAsShown = false;
  bool moreFields = false;
  std::string phoneCountry;
  Destination destination = Destination::AnyApp;
  std::int32_t perFile = 0;                  // the user's limit of contacts in one file; 0 for none
  DayOrder dayOrder = DayOrder::MonthFirst;  // the desktop's, for dates that read either way
  friend bool operator==(const OptionAnswers&, const OptionAnswers&) = default;
};

// The choices the user can still change while a run goes on. The run asks at the moment of
// use, so a change applies from the next record or e-mail test on.
class ExportOptions {
 public:
  virtual ~ExportOptions() = default;
  // Asked once per record.
  virtual VCardVersion vCardVersion() = 0;
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
  // Where the cards will be imported; its standard forms are written for any but AnyApp.
  // Asked once per record.
  virtual Destination destination() { return Destination::AnyApp; }
  // At most this many contacts go into one shared file, the rest into the next; 0 for no
  // limit of the user's. Asked once per record.
  virtual std::int32_t perFile() { return 0; }
  // How the desktop writes short dates: a date column's "3/4/1985" whose other dates do not
  // tell its day from its month is read so. Asked once per row.
  virtual DayOrder dayOrder() { return DayOrder::MonthFirst; }

  // All answers as they stand, where asking them all at any moment changes nothing: then a
  // run may build records ahead with them and check them once per row. None by default, and
  // the run asks each question at its moment.
  virtual std::optional<OptionAnswers> answers() { return std::nullopt; }
  // Whether those answers stay as they are for the whole run, as a command's do: then a
  // file's rows may be read well ahead of their records.
  virtual bool answersFixed() const { return false; }
};

// Options that keep the answers they were given.
class FixedAnswers : public ExportOptions {
 public:
  explicit FixedAnswers(OptionAnswers answers) : answers_(std::move(answers)) {}
  VCardVersion vCardVersion() override { return answers_.vCardVersion; }
  bool singleFile() override { return answers_.singleFile; }
  bool allowEmptyEmail() override { return answers_.allowEmptyEmail; }
  bool keepNumbersAsShown() override { return answers_.keepNumbersAsShown; }
  bool moreFields() override { return answers_.moreFields; }
  std::string phoneCountry() override { return answers_.phoneCountry; }
  Destination destination() override { return answers_.destination; }
  std::int32_t perFile() override { return answers_.perFile; }
  DayOrder dayOrder() override { return answers_.dayOrder; }
  std::optional<OptionAnswers> answers() override { return answers_; }
  bool answersFixed() const override { return true; }

 private:
  OptionAnswers answers_;
};

}  // namespace quillmere::core
