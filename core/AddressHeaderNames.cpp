#include "core/AddressHeaderNames.h"

#include <array>

namespace quillmere::core {
namespace {

// Laid out as in HeaderNameTable.cpp: one language to a line, in the order en, de, fr, es,
// it, pt, nl, pl.

// clang-format off
// The whole address in one column. The field writes no card line, but nothing finer fits.
constexpr std::string_view kBusinessAddress[]{
    "Business Address",  // en
    "Adresse geschäftlich", "Geschäftsadresse",  // de
    "Adresse (bureau)", "Adresse professionnelle",  // fr
    "Dirección del trabajo",  // es
    "Indirizzo (uff.)", "Indirizzo ufficio",  // it
    "Endereço comercial",  // pt
    "Werkadres", "Zakelijk adres",  // nl
    "Adres służbowy",  // pl
};

// Thunderbird writes the first street line of each address under "Work Address" and
// "Home Address", with the second line under "... Address 2"; so those name the street.
constexpr std::string_view kBusinessAddressStreet[]{
    "Business Street", "Business Address Street", "Work Street", "Work Address",  // en
    "Straße geschäftlich",  // de
    "Rue (bureau)",  // fr
    "Calle del trabajo",  // es
    "Via (uff.)",  // it
    "Rua do endereço comercial",  // pt
    "Straat (werk)",  // nl
    "Ulica (służbowy)",  // pl
};

constexpr std::string_view kBusinessAddressCity[]{
    "Business City", "Business Address City", "Work City",  // en
    "Ort geschäftlich",  // de
    "Ville (bureau)",  // fr
    "Ciudad de trabajo", "Ciudad del trabajo",  // es
    "Città (uff.)",  // it
    "Cidade do endereço comercial",  // pt
    "Plaats (werk)",  // nl
    "Miasto (służbowy)",  // pl
};

constexpr std::string_view kBusinessAddressCountry[]{
    "Business Country/Region", "Business Address Country", "Business Country",  // en
    "Work Country",  // en
    "Land/Region geschäftlich", "Land geschäftlich",  // de
    "Pays/Région (bureau)", "Pays (bureau)",  // fr
    "País o región del trabajo", "País del trabajo",  // es
    "Paese/area geografica (uff.)", "Paese (uff.)",  // it
    "País/Região do endereço comercial", "País do endereço comercial",  // pt
    "Land/regio (werk)", "Land (werk)",  // nl
    "Kraj/region (służbowy)", "Kraj (służbowy)",  // pl
};

constexpr std::string_view kBusinessAddressPostalCode[]{
    "Business Postal Code", "Business Address Postal Code", "Business Zip",  // en
    "Business Zip Code", "Business Postcode", "Work ZipCode", "Work Zip", "Work Postal Code",  // en
    "Work Postcode",  // en
    "Postleitzahl geschäftlich", "PLZ geschäftlich",  // de
    "Code postal (bureau)",  // fr
    "Código postal del trabajo",  // es
    "CAP (uff.)",  // it
    "CEP do endereço comercial", "Código postal do endereço comercial",  // pt
    "Postcode (werk)",  // nl
    "Kod pocztowy (służbowy)",  // pl
};

constexpr std::string_view kBusinessAddressState[]{
    "Business State", "Business Address State", "Business Province", "Work State",  // en
    "Region geschäftlich", "Bundesland geschäftlich", "Bundesland/Kanton geschäftlich",  // de
    "Dép/Région (bureau)", "Région (bureau)",  // fr
    "Provincia o estado de trabajo", "Provincia o estado del trabajo",  // es
    "Provincia (uff.)",  // it
    "Estado do endereço comercial",  // pt
    "Provincie (werk)",  // nl
    "Województwo (służbowy)",  // pl
};

// Outlook calls this whole-address field "Home Address", but that name goes to Thunderbird's
// street line (see kBusinessAddressStreet), which leaves longer English names for it.
constexpr std::string_view kHomeAddress[]{
    "Full Home Address", "Complete Home Address",  // en
    "Adresse privat", "Privatadresse",  // de
    "Adresse (domicile)", "Adresse personnelle",  // fr
    "Dirección particular", "Dirección del domicilio",  // es
    "Indirizzo (ab.)", "Indirizzo abitazione",  // it
    "Endereço residencial",  // pt
    "Huisadres", "Thuisadres",  // nl
    "Adres domowy",  // pl
};

// A street, city, state, postcode or country column with no home or work word goes to the
// home address: plain lists and LibreOffice's address book name the personal address that
// way and mark the business one with "Work".
constexpr std::string_view kHomeAddressStreet[]{
    "Home Street", "Home Address Street", "Home Address", "Street", "Street Address",  // en
    "Address Line 1",  // en
    "Straße privat", "Straße",  // de
    "Rue (domicile)", "Rue",  // fr
    "Calle del domicilio", "Calle",  // es
    "Via (ab.)", "Via",  // it
    "Rua do endereço residencial", "Rua",  // pt
    "Straat (thuis)", "Straat",  // nl
    "Ulica (domowy)", "Ulica",  // pl
};

// Outlook's German export also has an "Ort" column for its location field; it always comes
// after "Ort privat", which wins the field, so "Ort" can keep its usual sense of town.
constexpr std::string_view kHomeAddressCity[]{
    "Home City", "Home Address City", "City", "Town",  // en
    "Ort privat", "Ort", "Stadt", "Wohnort",  // de
    "Ville (domicile)", "Ville",  // fr
    "Ciudad de residencia", "Ciudad",  // es
    "Città (ab.)", "Città",  // it
    "Cidade do endereço residencial", "Cidade",  // pt
    "Plaats (thuis)", "Plaats", "Woonplaats",  // nl
    "Miasto (domowy)", "Miasto", "Miejscowość",  // pl
};

constexpr std::string_view kHomeAddressCountry[]{
    "Home Country/Region", "Home Address Country", "Home Country", "Country",  // en
    "Country/Region",  // en
    "Land/Region privat", "Land privat", "Land",  // de, nl
    "Pays/Région (domicile)", "Pays (domicile)", "Pays", "Pays/Région",  // fr
    "País o región de residencia", "País",  // es, pt
    "Paese/area geografica (ab.)", "Paese",  // it
    "País/Região do endereço residencial",  // pt
    "Land/regio (thuis)",  // nl
    "Kraj/region (domowy)",  // pl; "Kraj" alone is a region in Czech, so its words decide
};

constexpr std::string_view kHomeAddressPostalCode[]{
    "Home Postal Code", "Home Address Postal Code", "Home ZipCode", "Home Zip",  // en
    "Home Postcode", "Zip", "Zip Code", "Postal Code", "Postcode",  // en, nl
    "Postleitzahl privat", "PLZ privat", "Postleitzahl", "PLZ",  // de
    "Code postal (domicile)", "Code postal",  // fr
    "Código postal de residencia", "Código postal",  // es, pt
    "CAP (ab.)", "CAP",  // it
    "CEP do endereço residencial", "CEP",  // pt
    "Postcode (thuis)",  // nl
    "Kod pocztowy (domowy)", "Kod pocztowy",  // pl
};

// Spanish and Portuguese "Estado" heads a status column as often as a state, so it names
// nothing.
constexpr std::string_view kHomeAddressState[]{
    "Home State", "Home Address State", "State", "Province", "State/Province", "Region",  // en, fr
    "Bundesland/Kanton privat", "Bundesland privat", "Region privat", "Bundesland",  // de
    "Dép/Région (domicile)", "Région (domicile)",  // fr
    "Provincia o estado de residencia", "Provincia",  // es, it
    "Provincia (ab.)", "Regione",  // it
    "Estado do endereço residencial",  // pt
    "Provincie (thuis)", "Provincie",  // nl
    "Województwo (domowy)", "Województwo",  // pl
};

// clang-format on

constexpr std::array<FieldHeaderNames, 12> kAddressNames{{
    {Field::BusinessAddress, kBusinessAddress},
    {Field::BusinessAddressStreet, kBusinessAddressStreet},
    {Field::BusinessAddressCity, kBusinessAddressCity},
    {Field::BusinessAddressCountry, kBusinessAddressCountry},
    {Field::BusinessAddressPostalCode, kBusinessAddressPostalCode},
    {Field::BusinessAddressState, kBusinessAddressState},
    {Field::HomeAddress, kHomeAddress},
    {Field::HomeAddressStreet, kHomeAddressStreet},
    {Field::HomeAddressCity, kHomeAddressCity},
    {Field::HomeAddressCountry, kHomeAddressCountry},
    {Field::HomeAddressPostalCode, kHomeAddressPostalCode},
    {Field::HomeAddressState, kHomeAddressState},
}};

}  // namespace

std::span<const FieldHeaderNames> addressHeaderNames() {
  return kAddressNames;
}

}  // namespace quillmere::core
