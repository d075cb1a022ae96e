#include "core/StandardDisplayName.h"

namespace quillmere::core {

std::string_view standardDisplayName(const ContactValues& values, std::string& scratch) {
  using enum Field;
  if (!values[FullName].empty()) return values[FullName];
  const std::string& first = values[FirstName];
  const std::string& last = values[LastName];
  if (!first.empty() || !last.empty()) {
    scratch = first;
    if (!first.empty() && !last.empty()) scratch += ' ';
    scratch += last;
    return scratch;
  }
  for (const Field field :
       {MiddleName, Company, EmailAddress, EmailAddress2, EmailAddress3, BusinessTelephoneNumber,
        HomeTelephoneNumber, MobileNumber, OtherTelephoneNumber}) {
    if (!values[field].empty()) return values[field];
  }
  return {};
}

}  // namespace quillmere::core
