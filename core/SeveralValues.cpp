#include "core/SeveralValues.h"

#include <algorithm>
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

std::vector<std::string_view> categoriesOf(std::string_view cell) {
  std::vector<std::string_view> items;
  std::string_view rest = cell;
  const bool google = rest.find(kValueSeparator) != std::string_view::npos;
  const std::string_view lineEnds = google ? "\r\n" : "\r\n;";
  while (!rest.empty()) {
    const std::size_t end = std::min(rest.find(kValueSeparator), rest.find_first_of(lineEnds));
    std::string_view one = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end);
    if (rest.starts_with(kValueSeparator)) {
      rest.remove_prefix(kValueSeparator.size());
    } else if (!rest.empty()) {
      rest.remove_prefix(1);
    }
    while (one.starts_with(' '))
      one.remove_prefix(1);
    while (one.ends_with(' '))
      one.remove_suffix(1);
    if (one == "* myContacts" || one == "* starred") continue;
    if (one.starts_with("* ")) one.remove_prefix(2);
    if (!one.empty()) items.push_back(one);
  }
  return items;
}

}  // namespace quillmere::core
