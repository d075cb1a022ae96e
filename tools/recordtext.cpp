// Reads "FieldName<TAB>value" lines and prints the vCard record they make, for checking a
// record by hand and for the round-trip test. Values use \t \n \r \\ escapes.
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>

#include "core/ContactValues.h"
#include "core/VCardRecord.h"

namespace {

bool unescape(const std::string& escaped, std::string& out) {
  out.clear();
  for (std::size_t i = 0; i < escaped.size(); ++i) {
    if (escaped[i] != '\\') {
      out += escaped[i];
      continue;
    }
    if (++i == escaped.size()) return false;
    switch (escaped[i]) {
      case 't':
        out += '\t';
        break;
      case 'n':
        out += '\n';
        break;
      case 'r':
        out += '\r';
        break;
      case '\\':
        out += '\\';
        break;
      default:
        return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: recordtext VERSION < fields.tsv   (VERSION is 2.1, 3.0 or 4.0)\n";
    return 2;
  }
  const std::optional<quillmere::core::VCardVersion> version =
      quillmere::core::parseVCardVersion(argv[1]);
  if (!version) {
    std::cerr << "recordtext: unknown vCard version \"" << argv[1] << "\"; use 2.1, 3.0 or 4.0\n";
    return 2;
  }
  quillmere::core::ContactValues values;
  std::string line;
  std::string value;
  for (int number = 1; std::getline(std::cin, line); ++number) {
    if (line.empty()) continue;
    const auto tab = line.find('\t');
    if (tab == std::string::npos) {
      std::cerr << "recordtext: line " << number << " has no tab between field and value\n";
      return 2;
    }
    if (!unescape(line.substr(tab + 1), value)) {
      std::cerr << "recordtext: line " << number << " has a bad escape (use \\t \\n \\r \\\\)\n";
      return 2;
    }
    const std::string field = line.substr(0, tab);
    if (!values.set(field, value)) {
      std::cerr << "recordtext: line " << number << ": \"" << field
                << "\" is not a contact field\n";
      return 2;
    }
  }
  const std::string record = quillmere::core::buildRecord(values, *version);
  std::fwrite(record.data(), 1, record.size(), stdout);
  return std::fflush(stdout) == 0 ? 0 : 2;
}
