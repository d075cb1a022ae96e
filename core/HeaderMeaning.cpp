#include "core/HeaderMeaning.h"

#include <algorithm>
#include <array>

#include "core/HeaderNames.h"
#include "core/HeaderText.h"
#include "core/HeaderWords.h"

namespace quillmere::core {
namespace {

using enum Sense;
using Kind = HeaderMeaning::Kind;

// French Outlook heads both the honorific and the job title "Titre", so no reading of it
// can be right.
constexpr std::string_view kNamesNothing[]{"Titre"};

bool namesNothing(std::string_view header) {
  const std::string folded = foldHeaderText(header);
  return std::any_of(std::begin(kNamesNothing), std::end(kNamesNothing),
                     [&](std::string_view name) { return foldHeaderText(name) == folded; });
}

HeaderMeaning field(Field field) {
  HeaderMeaning meaning;
  meaning.kind = Kind::Field;
  meaning.fields = {field};
  return meaning;
}

HeaderMeaning nothing() {
  return {};
}

bool anyOf(const HeaderWords& words, std::initializer_list<Sense> senses) {
  return std::any_of(senses.begin(), senses.end(), [&](Sense s) { return words.has(s); });
}

// A birthday, an anniversary, a nickname or categories: the More Fields a header names by
// one word. An anniversary is a birthday's kind of word, so it is asked for first.
HeaderMeaning moreFieldMeaning(const HeaderWords& words) {
  if (words.number > 1) return nothing();
  constexpr std::pair<Sense, Field> kFields[]{{Anniversary, Field::Anniversary},
                                              {Birthday, Field::Birthday},
                                              {Nickname, Field::Nickname},
                                              {Categories, Field::Categories}};
  for (const auto& [sense, named] : kFields) {
    if (words.has(sense)) return field(named);
  }
  return nothing();
}

Qualifier qualifierOf(const HeaderWords& words) {
  const bool home = words.has(Home);
  const bool work = words.has(Work) || words.has(Company);
  if (home == work) return Qualifier::None;
  return home ? Qualifier::Home : Qualifier::Work;
}

HeaderMeaning emailMeaning(const HeaderWords& words) {
  if (words.has(Name) || words.has(Display) || words.has(Type)) return nothing();
  std::uint32_t index = words.number == 0 ? 1 : words.number;
  if (words.has(Primary)) index = 1;
  if (words.has(Secondary)) index = words.number == 0 ? 2 : words.number + 1;
  constexpr std::array kEmails{Field::EmailAddress, Field::EmailAddress2, Field::EmailAddress3};
  return index <= kEmails.size() ? field(kEmails[index - 1]) : nothing();
}

HeaderMeaning phoneMeaning(const HeaderWords& words) {
  const Qualifier qualifier = qualifierOf(words);
  // Google numbers its phones and gives their kind in a column of its own.
  if (words.has(Value) && words.number >= 1 && qualifier == Qualifier::None && !words.has(Mobile) &&
      !words.has(Fax)) {
    HeaderMeaning typed;
    typed.kind = Kind::TypedPhone;
    typed.group = words.number;
    return typed;
  }
  if (words.number > 1 || words.has(Main)) return nothing();
  // "Other Phone" is the More Fields' other phone; an other fax or mobile has no field.
  if (words.has(Other)) {
    const bool plain = qualifier == Qualifier::None && !anyOf(words, {Fax, Mobile, Primary});
    return plain ? field(Field::OtherTelephoneNumber) : nothing();
  }
  if (words.has(Fax)) {
    if (qualifier == Qualifier::None) return nothing();
    return field(qualifier == Qualifier::Home ? Field::HomeFaxNumber : Field::BusinessFaxNumber);
  }
  if (words.has(Mobile)) return field(Field::MobileNumber);
  // A company's main line or the contact's preferred one is none of the three phones.
  if (words.has(Primary) || words.has(Company)) return nothing();
  if (qualifier == Qualifier::Home) return field(Field::HomeTelephoneNumber);
  if (qualifier == Qualifier::Work) return field(Field::BusinessTelephoneNumber);
  // A bare "Phone" is the home one, as Thunderbird's Ukrainian export and plain lists mean
  // it; where a column names the home phone, it is the other phone, else the work one.
  if (words.number > 1) return nothing();
  HeaderMeaning bare;
  bare.kind = Kind::Field;
  bare.fields = {Field::HomeTelephoneNumber, Field::OtherTelephoneNumber,
                 Field::BusinessTelephoneNumber};
  bare.weak = true;
  return bare;
}

HeaderMeaning addressMeaning(const HeaderWords& words) {
  HeaderMeaning meaning;
  meaning.addressy = true;
  meaning.qualifier = qualifierOf(words);
  if (words.has(Other) || words.has(Main) || (words.has(Line) && !words.has(Address))) {
    return meaning;
  }
  constexpr std::array<std::pair<Sense, AddressPart>, 6> kParts{{{Street, AddressPart::Street},
                                                                 {Line, AddressPart::Street},
                                                                 {City, AddressPart::City},
                                                                 {State, AddressPart::State},
                                                                 {Zip, AddressPart::PostalCode},
                                                                 {Country, AddressPart::Country}}};
  for (const Sense sense : words.senses) {
    for (const auto& [partSense, part] : kParts) {
      if (sense == partSense &&
          std::find(meaning.parts.begin(), meaning.parts.end(), part) == meaning.parts.end()) {
        meaning.parts.push_back(part);
      }
    }
  }
  // Google numbers its addresses and gives their home or work kind in a column of its own.
  const bool numberedGroup = words.number >= 1 && words.has(Address) &&
                             meaning.qualifier == Qualifier::None &&
                             (!meaning.parts.empty() || words.has(Formatted)) && !words.has(Line);
  if (numberedGroup) {
    meaning.kind = Kind::TypedAddress;
    meaning.group = words.number;
    if (meaning.parts.empty()) meaning.parts = {AddressPart::Whole};
    return meaning;
  }
  // "Street 2", "Address 2": the further lines of an address have no field.
  if (words.number > 1) return meaning;
  if (meaning.parts.empty()) {
    meaning.parts = {AddressPart::Whole};
    // "Address" alone could be home or work; only its row can tell.
    meaning.weak = meaning.qualifier == Qualifier::None;
  }
  meaning.kind = Kind::Address;
  meaning.weak = meaning.weak || meaning.parts.size() > 1 || words.weak;
  return meaning;
}

HeaderMeaning nameMeaning(const HeaderWords& words) {
  if (words.has(Display) || (words.has(Full) && words.has(Name))) return field(Field::FullName);
  if (words.has(Prefix)) return field(Field::Title);
  if (words.has(Given) && words.has(Family)) return field(Field::FullName);
  if (words.has(Given)) return field(Field::FirstName);
  if (words.has(Family)) {
    HeaderMeaning meaning = field(Field::LastName);
    meaning.weak = words.weak;
    return meaning;
  }
  if (words.has(Middle)) return field(Field::MiddleName);
  if (words.has(Company)) return field(Field::Company);
  return field(Field::FullName);
}

HeaderMeaning meaningOfWords(const HeaderWords& words) {
  const bool addressWords = anyOf(words, {Street, Line, City, State, Country, Zip, Address});
  if (words.unknownText || words.senses.empty()) {
    // "Birth Year", "Geburtsmonat": a word of the birth and one of no field.
    HeaderMeaning meaning;
    meaning.birthPart = words.has(Birthday);
    return meaning;
  }
  if (words.has(Block)) {
    HeaderMeaning meaning;
    meaning.addressy = addressWords;
    return meaning;
  }
  if (words.has(Photo)) {
    // "Photo", "Picture 1": a photo alone; "Photo URL" or "Photo 2" is no field of the card.
    const bool alone = std::all_of(words.senses.begin(), words.senses.end(),
                                   [](Sense s) { return s == Photo || s == Filler; });
    return alone && words.number <= 1 ? field(Field::Photo) : nothing();
  }
  if (anyOf(words, {Birthday, Anniversary, Nickname, Categories})) {
    // Beside a word of another field they name something else: "Geburtsort" is a birthplace,
    // "Geburtsname" a maiden name.
    const bool alone = std::all_of(words.senses.begin(), words.senses.end(), [](Sense s) {
      return s == Birthday || s == Anniversary || s == Nickname || s == Categories || s == Filler;
    });
    if (!alone) {
      HeaderMeaning meaning;
      meaning.addressy = addressWords;
      return meaning;
    }
    return moreFieldMeaning(words);
  }
  if (words.has(Type)) {
    HeaderMeaning meaning;
    const bool phone = anyOf(words, {Phone, Mobile, Fax});
    if (words.number == 0 || (!phone && !words.has(Address))) return meaning;
    meaning.kind = Kind::TypeColumn;
    meaning.group = words.number;
    meaning.groupOfAddresses = !phone;
    return meaning;
  }
  if (words.has(Email)) return emailMeaning(words);
  if (words.has(Pager)) return words.number > 1 ? nothing() : field(Field::PagerNumber);
  if (anyOf(words, {Phone, Mobile, Fax})) return phoneMeaning(words);
  if (words.has(Web)) {
    if (words.number > 1 || words.has(Other) || words.has(Main)) return nothing();
    return field(words.has(Home) ? Field::PersonalHomePage : Field::BusinessHomePage);
  }
  if (addressWords || words.has(Formatted)) return addressMeaning(words);
  if (anyOf(words, {Given, Family, Middle, Name, Display, Prefix}) &&
      !anyOf(words, {Job, Title, Department})) {
    return nameMeaning(words);
  }
  if (words.has(Job) || (words.has(Title) && (words.has(Work) || words.has(Company)))) {
    return field(Field::JobTitle);
  }
  if (words.has(Title)) {
    HeaderMeaning meaning;
    meaning.kind = Kind::BareTitle;
    return meaning;
  }
  if (words.has(Department)) return field(Field::Department);
  if (words.has(Company)) return field(Field::Company);
  if (words.has(Notes)) return field(Field::Notes);
  return nothing();
}

}  // namespace

std::optional<AddressPart> addressPartOf(Field field) {
  switch (field) {
    case Field::BusinessAddress:
    case Field::HomeAddress:
      return AddressPart::Whole;
    case Field::BusinessAddressStreet:
    case Field::HomeAddressStreet:
      return AddressPart::Street;
    case Field::BusinessAddressCity:
    case Field::HomeAddressCity:
      return AddressPart::City;
    case Field::BusinessAddressState:
    case Field::HomeAddressState:
      return AddressPart::State;
    case Field::BusinessAddressPostalCode:
    case Field::HomeAddressPostalCode:
      return AddressPart::PostalCode;
    case Field::BusinessAddressCountry:
    case Field::HomeAddressCountry:
      return AddressPart::Country;
    default:
      return std::nullopt;
  }
}

namespace {

// The table's pair, kept, but with the home or work its words give and the whole address
// its words name, so the row can settle both.
HeaderMeaning fromTable(Field tableField, const HeaderMeaning& words) {
  const auto part = addressPartOf(tableField);
  if (!part) {
    if (tableField == Field::Title && words.kind == Kind::BareTitle) return words;
    return field(tableField);
  }
  HeaderMeaning meaning;
  meaning.kind = Kind::Address;
  meaning.addressy = true;
  const bool wordsRead = words.kind == Kind::Address;
  const bool whole = wordsRead && words.parts == std::vector{AddressPart::Whole};
  meaning.parts = {whole ? AddressPart::Whole : *part};
  const bool home = tableField >= Field::HomeAddress && tableField <= Field::HomeAddressStreet;
  meaning.qualifier = wordsRead ? words.qualifier : home ? Qualifier::Home : Qualifier::Work;
  return meaning;
}

}  // namespace

Field addressField(Qualifier qualifier, AddressPart part) {
  constexpr std::array kHome{Field::HomeAddress,           Field::HomeAddressStreet,
                             Field::HomeAddressCity,       Field::HomeAddressState,
                             Field::HomeAddressPostalCode, Field::HomeAddressCountry};
  constexpr std::array kWork{Field::BusinessAddress,           Field::BusinessAddressStreet,
                             Field::BusinessAddressCity,       Field::BusinessAddressState,
                             Field::BusinessAddressPostalCode, Field::BusinessAddressCountry};
  const auto at = static_cast<std::size_t>(part);
  return qualifier == Qualifier::Work ? kWork[at] : kHome[at];
}

HeaderMeaning headerMeaning(std::string_view header) {
  if (namesNothing(header)) return nothing();
  const HeaderMeaning words = meaningOfWords(readHeaderWords(header));
  const auto table = tableFieldForHeader(header);
  return table ? fromTable(*table, words) : words;
}

TypeValue readTypeValue(std::string_view value) {
  while (value.starts_with(' '))
    value.remove_prefix(1);
  if (value.starts_with("* ")) value.remove_prefix(2);
  const HeaderWords words = readHeaderWords(value);
  TypeValue type;
  type.qualifier = qualifierOf(words);
  type.mobile = words.has(Mobile);
  type.fax = words.has(Fax);
  type.pager = words.has(Pager);
  type.other = words.has(Other) || words.has(Main) || words.unknownText;
  return type;
}

std::optional<Field> phoneFieldOfType(const TypeValue& type, bool moreFields) {
  if (type.other) {
    const bool plain = !type.fax && !type.mobile && !type.pager;
    return moreFields && plain ? std::optional(Field::OtherTelephoneNumber) : std::nullopt;
  }
  if (type.pager) return moreFields ? std::optional(Field::PagerNumber) : std::nullopt;
  if (type.fax) {
    if (type.qualifier == Qualifier::Home) return Field::HomeFaxNumber;
    if (type.qualifier == Qualifier::Work) return Field::BusinessFaxNumber;
    return std::nullopt;
  }
  if (type.mobile) return Field::MobileNumber;
  if (type.qualifier == Qualifier::Home) return Field::HomeTelephoneNumber;
  if (type.qualifier == Qualifier::Work) return Field::BusinessTelephoneNumber;
  return std::nullopt;
}

}  // namespace quillmere::core
