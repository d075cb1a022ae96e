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
};

inline constexpr std::size_t kFieldCount = 30;

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

constexpr std::string_view fieldName(Field field) {
  return kContactFields[static_cast<std::size_t>(field)];
}

// The catalogue entry with exactly this name, if there is one.
std::optional<Field> fieldFromName(std::string_view name);

}  // namespace quillmere::core
