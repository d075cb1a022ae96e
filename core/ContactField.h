#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quillmere::core {

// A contact field is named by one of the catalogue's strings, compared exactly and
// case-sensitively wherever it is looked up.
using ContactField = std::string;

// Catalogue order: the order the user first sees the fields in.
enum class Field : unsigned char {
  FirstName,
  LastName,
  FullName,
  EmailAddress,
  EmailAddress2,
  EmailAddress3,
  JobTitle,
  Company,
  BusinessAddress,
  BusinessAddressCity,
  BusinessAddressCountry,
  BusinessAddressPostalCode,
  BusinessAddressState,
  BusinessAddressStreet,
  BusinessFaxNumber,
  BusinessHomePage,
  BusinessTelephoneNumber,
  Department,
  HomeAddress,
  HomeAddressCity,
  HomeAddressCountry,
  HomeAddressPostalCode,
  HomeAddressState,
  HomeAddressStreet,
  HomeFaxNumber,
  HomeTelephoneNumber,
  MiddleName,
  MobileNumber,
  Title,
  Notes,
  // More Fields: offered, paired and written only when the user asks for them.
  Birthday,
  Anniversary,
  Nickname,
  Categories,
  OtherTelephoneNumber,
  PagerNumber,
  PersonalHomePage,
  Photo,  // a picture file's path or a data: URI; the card holds the picture itself
};

// The catalogue every conversion offers; the More Fields come after it.
inline constexpr std::size_t kFieldCount = 30;
inline constexpr std::size_t kMoreFieldCount = 8;
inline constexpr std::size_t kAllFieldCount = kFieldCount + kMoreFieldCount;

inline constexpr std::array<std::string_view, kFieldCount> kContactFields{
    "FirstName",
    "LastName",
    "FullName",
    "EmailAddress",
    "EmailAddress2",
    "EmailAddress3",
    "JobTitle",
    "Company",
    "BusinessAddress",
    "BusinessAddressCity",
    "BusinessAddressCountry",
    "BusinessAddressPostalCode",
    "BusinessAddressState",
    "BusinessAddressStreet",
    "BusinessFaxNumber",
    "BusinessHomePage",
    "BusinessTelephoneNumber",
    "Department",
    "HomeAddress",
    "HomeAddressCity",
    "HomeAddressCountry",
    "HomeAddressPostalCode",
    "HomeAddressState",
    "HomeAddressStreet",
    "HomeFaxNumber",
    "HomeTelephoneNumber",
    "MiddleName",
    "MobileNumber",
    "Title",
    "Notes",
};

inline constexpr std::array<std::string_view, kMoreFieldCount> kMoreFields{
    "Birthday",    "Anniversary",      "Nickname", "Categories", "OtherTelephoneNumber",
    "PagerNumber", "PersonalHomePage", "Photo",
};

constexpr bool isMoreField(Field field) {
  return static_cast<std::size_t>(field) >= kFieldCount;
}

constexpr std::string_view fieldName(Field field) {
  const auto index = static_cast<std::size_t>(field);
  return index < kFieldCount ? kContactFields[index] : kMoreFields[index - kFieldCount];
}

// The catalogue entry with exactly this name, if there is one; a More Field's only when
// `moreFields` is set.
std::optional<Field> fieldFromName(std::string_view name, bool moreFields = false);

}  // namespace quillmere::core
