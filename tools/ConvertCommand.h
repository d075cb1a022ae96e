#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/ContactField.h"
#include "core/Destination.h"
#include "core/VCardVersion.h"
#include "core/WrittenDate.h"

namespace quillmere::tools {

inline constexpr std::string_view kProgramName = "quillmere-convert";

// What quillmere-convert was asked to do, read from its arguments.
// Where the cards go after the run, when they go to an address book too.
struct UploadCommand {
  std::string url;
  std::string user;
  // The SHA-256 fingerprint of a certificate to trust although it does not verify.
  std::string trustedFingerprint;
  // Where to write what became of each card, as CSV; empty for nowhere.
  std::string reportFile;
  bool dryRun = false;
};

struct ConvertCommand {
  enum class Action : unsigned char { Convert, Help, Version, ListFields };
  Action action = Action::Convert;
  std::string workbook;
  std::string folder;
  core::VCardVersion version = core::VCardVersion::V21;
  bool single = false;
  bool allowEmpty = false;
  bool asShown = false;
  // The worksheet by name or place in tab order (from 1); empty for the first worksheet.
  std::string sheet;
  // The row of the headers; the contacts are in the rows below it.
  std::uint32_t headerRow = 1;
  // Pairs every column not given as COLUMN=FIELD by its header, as Match by Name does.
  bool matchByName = false;
  // Columns after an empty header cell are read too, headed by their letters where empty.
  bool allColumns = false;
  // The More Fields may be given as a column's field and are paired by name.
  bool moreFields = false;
  // The region code ("DE") whose numbers phone numbers are written in international form as;
  // empty writes them as the sheet has them.
  std::string phoneCountry;
  // Where the cards will be imported: sets the version, the file mode and numbers as shown,
  // and writes the standard forms it needs.
  core::Destination destination = core::Destination::AnyApp;
  // How dates that read either way are read; nothing to take it from the environment.
  std::optional<core::DayOrder> dayOrder;
  // At most this many contacts in one file of all contacts; 0 for no limit.
  std::int32_t perFile = 0;
  // Where the cards are sent after the run, if anywhere.
  UploadCommand upload;
  // Each mapped column (0 for A) with the field it holds, in the order given.
  std::vector<std::pair<std::uint32_t, core::Field>> pairs;
};

// Arguments that make no command; the message says which one and what was meant.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Options may come before, between or after WORKBOOK FOLDER VERSION COLUMN=FIELD...; "--"
// ends them, for a workbook whose name begins with a dash.
ConvertCommand parseConvertCommand(const std::vector<std::string>& arguments);

// The text --help prints.
std::string convertUsage();

}  // namespace quillmere::tools
