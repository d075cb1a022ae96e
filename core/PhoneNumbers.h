#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ContactField.h"

namespace quillmere::core {

// A phone number in libphonenumber's international form ("+49 151 23456789"), read as a
// number dialled in `country` (a region code such as "DE") when it has no "+" or "00" of its
// own. Nothing when libphonenumber cannot read it as a number that country or its own
// prefix allows: such a number is better written as the sheet has it than guessed at.
std::optional<std::string> internationalPhoneNumber(std::string_view number,
                                                    std::string_view country);

// The region codes libphonenumber knows numbers of, in alphabetical order.
const std::vector<std::string>& phoneCountries();

bool isPhoneCountry(std::string_view code);

// The number dialled before a country's own numbers from abroad: 49 for "DE".
int phoneCallingCode(std::string_view country);

// The telephone and fax fields, whose numbers the international form applies to.
bool isPhoneField(Field field);

}  // namespace quillmere::core
