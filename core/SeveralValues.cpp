#include "core/SeveralValues.h"

#include <array>
#include <span>
#include <string>
#include <vector>

namespace quillmere::core {
namespace {

using enum Field;

// Each kind's fields in the order a spilt value takes them. The home fax writes no card
// line, so a value put there would be lost without a word.
constexpr std::array kEmails{EmailAddress, EmailAddress2, EmailAddress3};
constexpr std::array kPhones{BusinessTelephoneNumber, HomeTelephoneNumber, MobileNumber};
constexpr std::array kMorePhones{BusinessTelephoneNumber, HomeTelephoneNumber, MobileNumber,
                                 OtherTelephoneNumber};
constexpr std::array kPagers{PagerNumber};
constexpr std::array kFaxes{BusinessFaxNumber};
constexpr std::array kFaxSources{BusinessFaxNumber, HomeFaxNumber};

std::vector<std::string> split(const std::string& text) {
  std::vector<std::string> parts;
  std::size_t from = 0;
  while (true) {
    const std::size_t at = text.find(kValueSeparator, from);
    std::string part = text.substr(from, at == std::string::npos ? std::string::npos : at - from);
    if (part.find_first_not_of(' ') != std::string::npos) parts.push_back(std::move(part));
    if (at == std::string::npos) return parts;
    from = at + kValueSeparator.size();
  }
}

void spreadKind(ContactValues& values, std::span<const Field> sources,
                std::span<const Field> targets) {
  std::vector<LeftOutValue> spilt;
  for (const Field field : sources) {
    // Most cells hold no colon at all, and that is quicker to rule out than the separator.
    const std::string& text = values[field];
    if (text.find(':') == std::string::npos || text.find(kValueSeparator) == std::string::npos) {
      continue;
    }
    std::vector<std::string> parts = split(text);
    values[field] = parts.empty() ? std::string() : std::move(parts.front());
    for (std::size_t i = 1; i < parts.size(); ++i)
      spilt.push_back({field, std::move(parts[i])});
  }
  // Only after every cell is split is it known which fields the row leaves empty.
  std::size_t next = 0;
  for (LeftOutValue& value : spilt) {
    while (next < targets.size() && !values[targets[next]].empty())
      ++next;
    if (next < targets.size()) {
      values[targets[next]] = std::move(value.value);
    } else {
      values.leaveOut(value.field, std::move(value.value));
    }
  }
}

}  // namespace

void spreadSeveralValues(ContactValues& values, bool moreFields) {
  spreadKind(values, kEmails, kEmails);
  if (moreFields) {
    spreadKind(values, kMorePhones, kMorePhones);
    spreadKind(values, kPagers, kPagers);
  } else {
    spreadKind(values, kPhones, kPhones);
  }
  spreadKind(values, kFaxSources, kFaxes);
}

}  // namespace quillmere::core
