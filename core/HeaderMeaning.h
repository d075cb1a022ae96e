#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "core/ContactField.h"

namespace quillmere::core {

enum class Qualifier : unsigned char { None, Home, Work };
enum class AddressPart : unsigned char { Whole, Street, City, State, PostalCode, Country };

// What one column header says before the rest of its row is looked at.
struct HeaderMeaning {
  enum class Kind : unsigned char {
    Nothing,
    Field,         // fields holds the candidates, the first preferred
    Address,       // parts holds the candidates; the row settles home or work
    BareTitle,     // "Title" alone: a job title unless the row has a column for that
    TypeColumn,    // "Phone 1 - Type": its values give the kind of the group's other columns
    TypedPhone,    // "Phone 1 - Value"
    TypedAddress,  // "Address 1 - City"
  };
  Kind kind = Kind::Nothing;
  std::vector<Field> fields;
  std::vector<AddressPart> parts;
  Qualifier qualifier = Qualifier::None;
  bool weak = false;              // pairs only where the row leaves room for it
  bool addressy = false;          // an address column, even one naming no field ("Street 2")
  bool groupOfAddresses = false;  // TypeColumn: of an address group, not a phone group
  bool birthPart = false;         // "Birth Year": the row splits the birthday into parts
  std::uint32_t group = 0;        // the number of a Google-style numbered group
};

HeaderMeaning headerMeaning(std::string_view header);

// The address field of that kind and part.
Field addressField(Qualifier qualifier, AddressPart part);

// The home, work or other kind a Google type value ("Mobile", "* Work", "Home Fax") names.
// A "* " before it marks the contact's preferred value, and says nothing of the kind.
struct TypeValue {
  Qualifier qualifier = Qualifier::None;
  bool mobile = false;
  bool fax = false;
  bool pager = false;
  bool other = false;
};
TypeValue readTypeValue(std::string_view value);

// The phone field of that type: the mobile, home or work phone or fax, and with More Fields
// the pager and the other phone; nothing for a type no field is for.
std::optional<Field> phoneFieldOfType(const TypeValue& type, bool moreFields);

// The part of an address a home or work address field holds; nothing for any other field.
std::optional<AddressPart> addressPartOf(Field field);

}  // namespace quillmere::core
