// The header words of English, German, Dutch, Swedish and Danish exports.
#include <array>

#include "core/HeaderWords.h"

namespace quillmere::core {
namespace {

using enum Sense;

// clang-format off
constexpr HeaderWord kWords[]{
    // en
    {"home", Home}, {"private", Home}, {"personal", Home}, {"residence", Home},
    {"work", Work}, {"business", Work}, {"office", Work},
    {"other", Other}, {"main", Main}, {"company main", Main},
    {"primary", Primary}, {"preferred", Primary}, {"secondary", Secondary},
    {"alternate", Secondary}, {"alternative", Secondary}, {"second", Secondary},
    {"first", Given}, {"given", Given}, {"forename", Given}, {"last", Family},
    {"surname", Family}, {"family", Family}, {"middle", Middle}, {"additional", Middle},
    {"name", Name}, {"display", Display}, {"full", Full}, {"complete", Full},
    {"prefix", Prefix}, {"salutation", Prefix},
    {"email", Email}, {"mail", Email}, {"e-mail", Email},
    {"phone", Phone}, {"telephone", Phone}, {"tel", Phone},
    {"mobile", Mobile}, {"cell", Mobile}, {"cellular", Mobile}, {"cellphone", Mobile},
    {"fax", Fax}, {"facsimile", Fax},
    {"address", Address}, {"street", Street}, {"line", Line},
    {"city", City}, {"town", City}, {"state", State}, {"province", State},
    {"region", State}, {"county", State}, {"country", Country},
    {"zip", Zip}, {"zipcode", Zip}, {"postal code", Zip}, {"postcode", Zip},
    {"web", Web}, {"website", Web}, {"webpage", Web}, {"homepage", Web}, {"url", Web},
    {"site", Filler}, {"page", Filler},
    {"job", Job}, {"position", Job}, {"title", Title},
    {"company", Company}, {"organization", Company}, {"organisation", Company},
    {"department", Department}, {"dept", Department},
    {"notes", Notes}, {"note", Notes}, {"comments", Notes}, {"remarks", Notes},
    {"type", Type}, {"label", Type}, {"value", Value}, {"formatted", Formatted},
    {"number", Filler}, {"of", Filler}, {"the", Filler}, {"address line", Line},
    {"nickname", Nickname}, {"suffix", Block}, {"pager", Pager}, {"birthday", Birthday},
    {"birth", Birthday}, {"birth date", Birthday}, {"date of birth", Birthday},
    {"anniversary", Anniversary}, {"categories", Categories}, {"category", Categories},
    {"labels", Categories}, {"group membership", Categories}, {"po box", Block}, {"extended", Block}, {"phonetic", Block},
    {"photo", Photo}, {"picture", Photo}, {"image", Photo}, {"avatar", Photo},
    {"portrait", Photo}, {"yomi", Block}, {"custom", Block}, {"screen", Block}, {"assistant", Block},
    // de
    {"privat", Home}, {"zuhause", Home}, {"geschäftlich", Work}, {"geschäfts", Work}, {"arbeits", Work},
    {"dienstlich", Work}, {"arbeit", Work}, {"büro", Work},
    {"weitere", Other}, {"weiterer", Other}, {"weiteres", Other},
    {"primäre", Primary}, {"sekundäre", Secondary},
    {"vorname", Given}, {"nachname", Family}, {"familienname", Family},
    {"anzeigename", Display}, {"anzeige", Display}, {"vollständiger", Full}, {"anrede", Prefix},
    {"mobil", Mobile}, {"handy", Mobile}, {"telefon", Phone}, {"telefax", Fax},
    {"adresse", Address}, {"anschrift", Address}, {"straße", Street},
    {"ort", City}, {"stadt", City}, {"wohnort", City}, {"bundesland", State},
    {"kanton", State}, {"land", Country}, {"plz", Zip}, {"postleitzahl", Zip},
    {"webseite", Web}, {"internetseite", Web}, {"funktion", Job},
    {"berufsbezeichnung", Job}, {"titel", Title}, {"firma", Company},
    {"unternehmen", Company}, {"abteilung", Department},
    {"notizen", Notes}, {"bemerkungen", Notes}, {"anmerkungen", Notes}, {"bemerkung", Notes}, {"anmerkung", Notes}, {"notiz", Notes}, {"kommentare", Notes}, {"kommentar", Notes},
    {"nummer", Filler}, {"nr", Filler}, {"typ", Type},
    {"foto", Photo}, {"bild", Photo}, {"profilbild", Photo}, {"spitzname", Nickname}, {"geburtstag", Birthday}, {"geburts", Birthday},
    {"geburtsdatum", Birthday}, {"jahrestag", Anniversary}, {"kategorien", Categories},
    {"kategorie", Categories}, {"postfach", Block},
    {"benutzerdef", Block}, {"messenger", Block},
    // nl
    {"thuis", Home}, {"privé", Home}, {"werk", Work}, {"zakelijk", Work},
    {"zakelijke", Work}, {"overig", Other}, {"primair", Primary}, {"secundair", Secondary},
    {"voornaam", Given}, {"achternaam", Family}, {"naam", Name},
    {"weergavenaam", Display}, {"weergave", Display}, {"telefoon", Phone},
    {"mobiel", Mobile}, {"gsm", Mobile}, {"adres", Address}, {"straat", Street},
    {"plaats", City}, {"woonplaats", City}, {"provincie", State},
    {"webpagina", Web}, {"functie", Job}, {"bedrijf", Company}, {"organisatie", Company},
    {"afdeling", Department}, {"notities", Notes}, {"opmerkingen", Notes},
    {"aantekeningen", Notes}, {"opmerking", Notes}, {"notitie", Notes}, {"bijnaam", Nickname}, {"geboorte", Birthday},
    {"geboortedatum", Birthday}, {"verjaardag", Birthday}, {"categorieën", Categories},
    {"pieper", Pager},
    {"tussenvoegsel", Block},
    {"afbeelding", Photo}, {"pasfoto", Photo},
    // sv
    {"hem", Home}, {"arbete", Work}, {"annan", Other}, {"ytterligare", Secondary},
    {"förnamn", Given}, {"efternamn", Family}, {"namn", Name}, {"e-post", Email},
    {"mobiltelefon", Mobile}, {"adress", Address}, {"gatuadress", Street}, {"rad", Line},
    {"stad", City}, {"landsdel", State}, {"stat", State}, {"postnummer", Zip},
    {"företag", Company}, {"avdelning", Department}, {"webbplats", Web},
    {"anteckningar", Notes}, {"smeknamn", Nickname}, {"personsökare", Pager}, {"född", Birthday},
    {"födelsedag", Birthday}, {"kategorier", Categories},
    {"skärmnamn", Block},
    {"profilbild", Photo},
    // da
    {"hjemme", Home}, {"hjem", Home}, {"arbejde", Work}, {"arbejds", Work},
    {"primær", Primary}, {"sekundær", Secondary}, {"fornavn", Given},
    {"efternavn", Family}, {"navn", Name}, {"vis", Display}, {"gade", Street},
    {"vej", Street}, {"by", City}, {"stilling", Job}, {"webside", Web},
    {"hjemmeside", Web}, {"noter", Notes}, {"bemærkninger", Notes}, {"bemærkning", Notes}, {"notater", Notes}, {"alias", Nickname},
    {"personsøger", Pager}, {"fødsels", Birthday}, {"fødselsdag", Birthday}, {"skærmnavn", Block},
    {"billede", Photo},
};
// clang-format on

}  // namespace

std::span<const HeaderWord> germanicHeaderWords() {
  return kWords;
}

}  // namespace quillmere::core
