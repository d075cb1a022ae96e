#include "tools/ConvertCommand.h"

#include <algorithm>
#include <array>
#include <optional>

#include "core/PhoneNumbers.h"
#include "source/CellReference.h"
#include "tools/ClosestName.h"

namespace quillmere::tools {

namespace {

std::string quoted(std::string_view text) {
  return "\"" + std::string(text) + "\"";
}

struct Option {
  std::string_view name;
  std::string_view shortName;
  std::string_view value;  // what the option's value is called; empty when it takes none
  std::string_view help;
  void (*apply)(ConvertCommand&, std::string_view value);
};

std::uint32_t rowNumber(std::string_view text) {
  const auto row = source::parseRowNumber(text);
  if (!row) throw UsageError("the header row must be a row number from 1, not " + quoted(text));
  return *row;
}

std::string phoneCountry(std::string_view text) {
  std::string code(text);
  for (char& c : code)
    c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
  if (!core::isPhoneCountry(code)) {
    throw UsageError(quoted(text) +
                     " is not a country's two-letter code libphonenumber knows, such as DE, GB "
                     "or US");
  }
  return code;
}

core::Destination destinationNamed(std::string_view name) {
  if (const auto destination = core::destinationNamed(name)) return *destination;
  std::string names;
  for (const core::DestinationProfile& profile : core::kDestinations) {
    names += names.empty() ? "" : ", ";
    names += profile.name;
  }
  throw UsageError(quoted(name) + " is not a destination; --for takes " + names);
}

std::int32_t contactsPerFile(std::string_view text) {
  const auto count = source::parseRowNumber(text);
  if (!count || *count > 0x7fffffffU) {
    throw UsageError("--per-file must be a number of contacts from 1, not " + quoted(text));
  }
  return static_cast<std::int32_t>(*count);
}

core::DayOrder dayOrderNamed(std::string_view name) {
  if (name == "day-first") return core::DayOrder::DayFirst;
  if (name == "month-first") return core::DayOrder::MonthFirst;
  throw UsageError(quoted(name) +
                   " is not a date order; --date-order takes day-first or month-first");
}

constexpr std::array<Option, 20> kOptions{{
    {"--single", "", "", "write all contacts into one file, \"All Contacts.vcf\"",
     [](ConvertCommand& command, std::string_view) { command.single = true; }},
    {"--allow-empty", "", "", "keep contacts whose e-mail is only spaces (else dropped)",
     [](ConvertCommand& command, std::string_view) { command.allowEmpty = true; }},
    {"--as-shown", "", "", "take numbers as shown: 0151 2345678, not 1512345678",
     [](ConvertCommand& command, std::string_view) { command.asShown = true; }},
    {"--sheet", "", "SHEET", "read the worksheet of that name or place in tab order (from 1)",
     [](ConvertCommand& command, std::string_view sheet) { command.sheet = sheet; }},
    {"--header-row", "", "N", "read the headers from row N, the contacts from below it",
     [](ConvertCommand& command, std::string_view row) { command.headerRow = rowNumber(row); }},
    {"--match-by-name", "", "", "pair every other column by its header, as Match by Name does",
     [](ConvertCommand& command, std::string_view) { command.matchByName = true; }},
    {"--all-columns", "", "",
     "read the columns after an empty header cell too, each headed\n"
     "                     by its letters where it has no header",
     [](ConvertCommand& command, std::string_view) { command.allColumns = true; }},
    {"--more-fields", "", "", "take Birthday, Nickname, Photo... as fields too",
     [](ConvertCommand& command, std::string_view) { command.moreFields = true; }},
    {"--date-order", "", "ORDER",
     "read dates such as 3/4/1985 that a column's other dates leave open\n"
     "                     day-first or month-first (else as LC_TIME or LANG writes them)",
     [](ConvertCommand& command, std::string_view order) {
       command.dayOrder = dayOrderNamed(order);
     }},
    {"--phone-country", "", "CC", "write phone numbers in international form, as numbers of CC",
     [](ConvertCommand& command, std::string_view code) {
       command.phoneCountry = phoneCountry(code);
     }},
    {"--for", "", "NAME",
     "write for where the cards go: any, android, icloud, google, outlook,\n"
     "                     carddav or thunderbird (sets the version, the file mode and --as-shown)",
     [](ConvertCommand& command, std::string_view name) {
       command.destination = destinationNamed(name);
     }},
    {"--per-file", "", "N", "put all contacts into files of at most N each (implies --single)",
     [](ConvertCommand& command, std::string_view count) {
       command.perFile = contactsPerFile(count);
     }},
    {"--upload", "", "URL",
     "send the cards to the CardDAV address book (or server) at URL too,\n"
     "                     updating those sent before (implies --for carddav)",
     [](ConvertCommand& command, std::string_view url) { command.upload.url = url; }},
    {"--user", "", "NAME",
     "the user name for --upload; the password is QUILLMERE_PASSWORD\n"
     "                     or asked on the terminal",
     [](ConvertCommand& command, std::string_view user) { command.upload.user = user; }},
    {"--dry-run", "", "",
     "with --upload, say how many cards are new, to update or unchanged,\n"
     "                     and send nothing",
     [](ConvertCommand& command, std::string_view) { command.upload.dryRun = true; }},
    {"--upload-report", "", "FILE", "with --upload, write what became of each card to FILE as CSV",
     [](ConvertCommand& command, std::string_view file) { command.upload.reportFile = file; }},
    {"--trust-fingerprint", "", "HEX",
     "with --upload, trust the server's certificate although it does not\n"
     "                     verify, only if its SHA-256 fingerprint is HEX (as a refusal prints it)",
     [](ConvertCommand& command, std::string_view hex) {
       command.upload.trustedFingerprint = hex;
     }},
    {"--list-fields", "", "", "print every contact field a column can hold, and exit",
     [](ConvertCommand& command, std::string_view) {
       command.action = ConvertCommand::Action::ListFields;
     }},
    {"--help", "-h", "", "print this help, and exit",
     [](ConvertCommand& command, std::string_view) {
       command.action = ConvertCommand::Action::Help;
     }},
    {"--version", "", "", "print the version, and exit",
     [](ConvertCommand& command, std::string_view) {
       command.action = ConvertCommand::Action::Version;
     }},
}};

constexpr std::array<std::string_view, 3> kPlaces{"WORKBOOK", "FOLDER", "VERSION"};

std::string meant(std::optional<std::string_view> suggestion) {
  return suggestion ? "; did you mean " + std::string(*suggestion) + "?" : std::string();
}

const Option& optionNamed(std::string_view argument) {
  const auto found = std::find_if(kOptions.begin(), kOptions.end(), [&](const Option& option) {
    return argument == option.name || (!option.shortName.empty() && argument == option.shortName);
  });
  if (found != kOptions.end()) return *found;
  std::array<std::string_view, kOptions.size()> names;
  std::transform(kOptions.begin(), kOptions.end(), names.begin(),
                 [](const Option& option) { return option.name; });
  throw UsageError("unknown option " + std::string(argument) + meant(closestName(argument, names)));
}

std::pair<std::uint32_t, core::Field> pairFrom(std::string_view argument, bool moreFields) {
  const auto equals = argument.find('=');
  if (equals == std::string_view::npos) {
    throw UsageError(quoted(argument) + " is not COLUMN=FIELD, such as A=FirstName");
  }
  const std::string_view letters = argument.substr(0, equals);
  const std::string_view name = argument.substr(equals + 1);
  const auto column = source::parseColumnLetters(std::string(letters));
  if (!column) throw UsageError(quoted(letters) + " is not a column's letters (A, B, ..., AA)");
  const auto field = core::fieldFromName(name, moreFields);
  if (!field) {
    std::vector<std::string_view> names(core::kContactFields.begin(), core::kContactFields.end());
    if (moreFields) names.insert(names.end(), core::kMoreFields.begin(), core::kMoreFields.end());
    const auto suggestion = closestName(name, names);
    const bool offered = !moreFields && core::fieldFromName(name, true).has_value();
    throw UsageError(quoted(name) + " is not a contact field" + meant(suggestion) +
                     (suggestion ? "" : " (--list-fields names them)") +
                     (offered ? " unless --more-fields is given" : ""));
  }
  return {*column, *field};
}

}  // namespace

ConvertCommand parseConvertCommand(const std::vector<std::string>& arguments) {
  ConvertCommand command;
  std::vector<std::string_view> operands;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (!optionsEnded && argument == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && argument.size() > 1 && argument.front() == '-') {
      // An option's value follows it, or is joined to it by "=".
      const auto equals = argument.find('=');
      const Option& option = optionNamed(std::string_view(argument).substr(0, equals));
      if (option.value.empty()) {
        if (equals != std::string::npos) {
          throw UsageError(std::string(option.name) + " takes no value");
        }
        option.apply(command, {});
      } else if (equals != std::string::npos) {
        option.apply(command, std::string_view(argument).substr(equals + 1));
      } else if (i + 1 < arguments.size()) {
        option.apply(command, arguments[++i]);
      } else {
        throw UsageError(std::string(option.name) + " needs a " + std::string(option.value));
      }
    } else {
      operands.push_back(argument);
    }
  }
  if (command.action != ConvertCommand::Action::Convert) return command;

  if (!command.upload.url.empty() && command.destination == core::Destination::AnyApp) {
    command.destination = core::Destination::CardDav;
  }
  if (command.upload.url.empty() &&
      (!command.upload.user.empty() || command.upload.dryRun ||
       !command.upload.trustedFingerprint.empty() || !command.upload.reportFile.empty())) {
    throw UsageError(
        "--user, --dry-run, --upload-report and --trust-fingerprint go with --upload URL");
  }
  // A destination names the version it reads best; a VERSION given still wins.
  const core::DestinationProfile& profile = core::profileOf(command.destination);
  const bool versionLeftOut = profile.version && operands.size() >= 2 &&
                              (operands.size() == 2 || operands[2].find('=') != std::string::npos);
  if (versionLeftOut) {
    operands.insert(operands.begin() + 2, core::versionText(*profile.version));
  }
  if (operands.size() < kPlaces.size()) {
    throw UsageError("missing " + std::string(kPlaces[operands.size()]));
  }
  command.workbook = operands[0];
  command.folder = operands[1];
  const std::optional<core::VCardVersion> version = core::parseVCardVersion(operands[2]);
  if (!version) {
    throw UsageError("the version must be 2.1, 3.0 or 4.0, not " + quoted(operands[2]));
  }
  command.version = *version;
  if (command.perFile > 0) command.single = true;
  if (profile.standardForms) {
    command.single = command.single || profile.singleFile;
    // A phone number's leading zero is part of it.
    command.asShown = true;
  }
  for (std::size_t i = kPlaces.size(); i < operands.size(); ++i) {
    command.pairs.push_back(pairFrom(operands[i], command.moreFields));
  }
  if (command.pairs.empty() && !command.matchByName) {
    throw UsageError("no column is mapped to a field: add COLUMN=FIELD, such as A=FirstName");
  }
  return command;
}

std::string convertUsage() {
  std::string text =
      "usage: quillmere-convert [OPTION]... WORKBOOK FOLDER VERSION COLUMN=FIELD...\n"
      "       quillmere-convert --for NAME [OPTION]... WORKBOOK FOLDER [VERSION] COLUMN=FIELD...\n"
      "Converts the contacts in a worksheet of WORKBOOK (.xlsx, .xls, .ods or .csv),\n"
      "the first unless --sheet names another, into vCard files in a new folder\n"
      "inside FOLDER, as the Quillmere window does.\n"
      "\n"
      "  VERSION       the vCard version: 2.1, 3.0 or 4.0; with --for, the one\n"
      "                that destination reads best unless given\n"
      "  COLUMN=FIELD  a column's letters and the contact field its cells hold, such\n"
      "                as A=FirstName; a column is read only when the header row\n"
      "                heads it\n"
      "\n"
      "Options, before, between or after the others:\n";
  for (const Option& option : kOptions) {
    // Appended piece by piece: GCC 12 at -O3 warns falsely about "x" + std::string.
    std::string names(option.shortName.empty() ? "    " : option.shortName);
    if (!option.shortName.empty()) names += ", ";
    names += option.name;
    if (!option.value.empty()) {
      names += ' ';
      names += option.value;
    }
    names.resize(std::max<std::size_t>(names.size() + 2, 19), ' ');
    text += "  ";
    text += names;
    text += option.help;
    text += '\n';
  }
  text +=
      "\n"
      "The folder is named \"Quillmere_<date> (incomplete)\" until every row is taken.\n"
      "Every card is read back as its version's reader reads it; one that reads back\n"
      "otherwise than its row is named in the report.\n"
      "Exit status: 0 every contact written; 1 some were not, and the report says why;\n"
      "2 bad arguments, an unreadable workbook or no column paired with a field, or\n"
      "with --upload, an address book that cannot be reached or refuses the user;\n"
      "130 or 143 stopped by Ctrl+C or SIGTERM.\n";
  return text;
}

}  // namespace quillmere::tools
