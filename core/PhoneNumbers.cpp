#include "core/PhoneNumbers.h"

#include <phonenumbers/phonenumberutil.h>

#include <algorithm>
#include <functional>
#include <set>
#include <unordered_map>

namespace quillmere::core {

namespace {

using i18n::phonenumbers::PhoneNumber;
using i18n::phonenumbers::PhoneNumberUtil;

// Enough for the switchboard and fax numbers of a few thousand companies; 3 MiB at most.
constexpr std::size_t kRememberedNumbers = 16384;
// Longer texts are read but not remembered, so odd cells cannot make that memory grow.
constexpr std::size_t kLongestRemembered = 64;

// Looks a number up by its text as the cell has it, with no string made for the look-up.
struct TextHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view text) const {
    return std::hash<std::string_view>{}(text);
  }
};

std::optional<std::string> readInternational(std::string_view number, std::string_view country) {
  // The library's one instance loads its tables on first use, so a run that writes numbers
  // as they stand never pays for them.
  const PhoneNumberUtil& util = *PhoneNumberUtil::GetInstance();
  PhoneNumber parsed;
  if (util.Parse(std::string(number), std::string(country), &parsed) !=
          PhoneNumberUtil::NO_PARSING_ERROR ||
      !util.IsValidNumber(parsed)) {
    return std::nullopt;
  }
  // The international form rather than E.164's "+4915123456789": a person reads it.
  std::string formatted;
  util.Format(parsed, PhoneNumberUtil::INTERNATIONAL, &formatted);
  return formatted;
}

}  // namespace

std::optional<std::string> internationalPhoneNumber(std::string_view number,
                                                    std::string_view country) {
  // libphonenumber takes some 50 microseconds a number, and an address book repeats its
  // companies' switchboard and fax numbers; each thread remembers its own, so none waits.
  if (number.size() > kLongestRemembered) return readInternational(number, country);
  thread_local std::string rememberedCountry;
  thread_local std::unordered_map<std::string, std::optional<std::string>, TextHash,
                                  std::equal_to<>>
      remembered;
  if (country != rememberedCountry || remembered.size() >= kRememberedNumbers) {
    remembered.clear();
    rememberedCountry = country;
  }
  if (const auto found = remembered.find(number); found != remembered.end()) return found->second;
  auto international = readInternational(number, country);
  remembered.emplace(std::string(number), international);
  return international;
}

const std::vector<std::string>& phoneCountries() {
  static const std::vector<std::string> countries = [] {
    std::set<std::string> regions;
    PhoneNumberUtil::GetInstance()->GetSupportedRegions(&regions);
    return std::vector<std::string>(regions.begin(), regions.end());
  }();
  return countries;
}

bool isPhoneCountry(std::string_view code) {
  const auto& countries = phoneCountries();
  return std::binary_search(countries.begin(), countries.end(), code);
}

int phoneCallingCode(std::string_view country) {
  return PhoneNumberUtil::GetInstance()->GetCountryCodeForRegion(std::string(country));
}

bool isPhoneField(Field field) {
  using enum Field;
  switch (field) {
    case BusinessTelephoneNumber:
    case HomeTelephoneNumber:
    case MobileNumber:
    case BusinessFaxNumber:
    case HomeFaxNumber:
    case OtherTelephoneNumber:
    case PagerNumber:
      return true;
    default:
      return false;
  }
}

}  // namespace quillmere::core
