#include "core/ContactFileName.h"

#include "core/FileNameCleaning.h"
#include "source/Utf8Cut.h"

namespace quillmere::core {

std::string nameStem(const ContactValues& values) {
  std::string joined;
  for (const Field part : {Field::LastName, Field::FirstName, Field::MiddleName}) {
    for (const char c : values[part]) {
      if (c != ';') joined += c;
    }
  }
  std::string stem = strClean(joined);
  // A line break or other control character from a multi-line cell, or a "|", makes a name
  // that memory cards (FAT, exFAT) and Windows refuse, so the copy to a phone would lose the
  // contact. The "_N.vcf" tail that always follows keeps a stem from ending in a dot or a
  // space and from being a reserved device name such as "CON".
  for (char& c : stem) {
    if (static_cast<unsigned char>(c) < 0x20 || c == '\x7F' || c == '|') c = ' ';
  }
  return stem;
}

std::string separateFileName(const ContactValues& values, std::int64_t number) {
  const std::string counter = std::to_string(number);
  const std::string stem = nameStem(values);
  if (stem.empty()) return counter + ".vcf";
  const std::string tail = "_" + counter + ".vcf";
  std::string name(source::cutBetweenCharacters(stem, kMaxFileNameBytes - tail.size()));
  name += tail;
  return name;
}

std::string splitFileName(std::int64_t number) {
  std::string name(kSingleFileName.substr(0, kSingleFileName.size() - 4));
  name += ' ';
  name += std::to_string(number);
  name += ".vcf";
  return name;
}

bool isSharedFileName(std::string_view fileName) {
  if (fileName == kSingleFileName) return true;
  // A contact's own file ends in "_N.vcf" or is "N.vcf", so it never takes these names.
  constexpr std::string_view kStem = "All Contacts ";
  if (!fileName.starts_with(kStem) || !fileName.ends_with(".vcf")) return false;
  const std::string_view number = fileName.substr(kStem.size(), fileName.size() - kStem.size() - 4);
  return !number.empty() && number.front() != '0' &&
         number.find_first_not_of("0123456789") == std::string_view::npos;
}

std::string recordFileName(const ContactValues& values, bool singleFile, std::int64_t dataRow,
                           std::int64_t droppedBefore) {
  if (singleFile) return std::string(kSingleFileName);
  return separateFileName(values, dataRow - droppedBefore);
}

}  // namespace quillmere::core
