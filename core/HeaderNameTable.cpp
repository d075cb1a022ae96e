#include "core/HeaderNameTable.h"

#include <array>

#include "core/AddressHeaderNames.h"

namespace quillmere::core {
namespace {

// The names of a field go one language to a line, in the order en, de, fr, es, it, pt, nl,
// pl, each line tagged with the languages that write it; a name spelled alike in two languages
// is listed once. Headers that could be one of several fields are left out on purpose:
// "Phone", "Telephone", "Fax", "Address", "E-mail Type" and their translations, and Google's
// numbered "Phone 1 - Value" and "Address 1 - Street" columns, whose home or work type sits in
// another column and changes from row to row. So are headers of data the catalogue has no
// field for: nickname, birthday, suffix, pager, gender, Outlook's "Other" address and phones,
// "Business Street 2", "Home Phone 2" and the like.

// clang-format off
// Outlook's Spanish, Italian and Portuguese exports head the first-name column "Nombre" or
// "Nome", and its French export heads the last-name column "Nom", so those do not mean the
// whole name here.
constexpr std::string_view kFirstName[]{
    "First Name", "Given Name", "Forename",  // en
    "Vorname",  // de
    "Prénom",  // fr
    "Nombre", "Nombre de pila",  // es
    "Nome",  // it, pt
    "Primeiro nome", "Nome próprio",  // pt
    "Voornaam",  // nl
    "Imię",  // pl
};

// "Apelido" is the surname in Portugal but the nickname in Brazil, so it names nothing.
constexpr std::string_view kLastName[]{
    "Last Name", "Surname", "Family Name",  // en
    "Nachname", "Familienname",  // de
    "Nom", "Nom de famille",  // fr
    "Apellidos", "Apellido",  // es
    "Cognome",  // it
    "Sobrenome",  // pt
    "Achternaam",  // nl
    "Nazwisko",  // pl
};

// "Name" alone is the whole name: Google's older export writes the display name under it
// beside "Given Name" and "Family Name". Thunderbird's "Display Name" is the card's FN too.
constexpr std::string_view kFullName[]{
    "Name", "Full Name", "Display Name", "Contact Name",  // en
    "Vollständiger Name", "Anzeigename",  // de
    "Nom complet", "Nom d'affichage", "Nom à afficher",  // fr
    "Nombre completo", "Nombre para mostrar",  // es
    "Nome completo", "Nome visualizzato",  // it, pt
    "Nome de exibição",  // pt
    "Naam", "Volledige naam", "Weergavenaam",  // nl
    "Imię i nazwisko", "Nazwa wyświetlana",  // pl
};

// The first e-mail column of every export, whatever its home or work type: the catalogue's
// three e-mail fields are first, second and third, not typed.
constexpr std::string_view kEmailAddress[]{
    "E-mail Address", "E-mail", "Mail", "E-mail 1", "E-mail Address 1", "E-mail 1 - Value",  // en
    "Primary Email",  // en
    "E-Mail-Adresse",  // de
    "Adresse de messagerie", "Adresse e-mail", "Adresse électronique", "Courriel",  // fr
    "Correo electrónico", "Dirección de correo electrónico", "Correo",  // es
    "Indirizzo posta elettronica", "Indirizzo e-mail", "Posta elettronica",  // it
    "Endereço de e-mail", "Correio eletrônico",  // pt
    "E-mailadres",  // nl
    "Adres e-mail",  // pl
};

constexpr std::string_view kEmailAddress2[]{
    "E-mail 2 Address", "E-mail Address 2", "E-mail 2", "E-mail 2 - Value",  // en
    "Secondary Email", "Second Email",  // en
    "E-Mail 2: Adresse", "E-Mail-Adresse 2",  // de
    "Adresse de messagerie 2", "Adresse e-mail 2", "Courriel 2",  // fr
    "Dirección de correo electrónico 2", "Correo electrónico 2",  // es
    "Indirizzo posta elettronica 2", "Indirizzo e-mail 2",  // it
    "Endereço de e-mail 2",  // pt
    "E-mailadres 2",  // nl
    "Adres e-mail 2",  // pl
};

constexpr std::string_view kEmailAddress3[]{
    "E-mail 3 Address", "E-mail Address 3", "E-mail 3", "E-mail 3 - Value", "Third Email",  // en
    "E-Mail 3: Adresse", "E-Mail-Adresse 3",  // de
    "Adresse de messagerie 3", "Adresse e-mail 3", "Courriel 3",  // fr
    "Dirección de correo electrónico 3", "Dirección del correo electrónico 3",  // es
    "Correo electrónico 3",  // es
    "Indirizzo posta elettronica 3", "Indirizzo e-mail 3",  // it
    "Endereço de e-mail 3",  // pt
    "E-mailadres 3",  // nl
    "Adres e-mail 3",  // pl
};

constexpr std::string_view kJobTitle[]{
    "Job Title", "Position", "Organization Title", "Organization 1 - Title",  // en, de
    "Berufsbezeichnung", "Funktion",  // de
    "Fonction", "Poste", "Intitulé du poste",  // fr
    "Puesto", "Cargo",  // es, pt
    "Posizione", "Qualifica",  // it
    "Função",  // pt
    "Functie", "Functietitel",  // nl
    "Stanowisko",  // pl
};

constexpr std::string_view kCompany[]{
    "Company", "Company Name", "Organization", "Organisation", "Organization Name",  // en
    "Organization 1 - Name",  // en
    "Firma", "Unternehmen", "Firmenname",  // de, pl
    "Société", "Entreprise",  // fr
    "Compañía", "Empresa", "Organización",  // es, pt
    "Società", "Azienda",  // it
    "Companhia", "Organização",  // pt
    "Bedrijf", "Bedrijfsnaam", "Organisatie",  // nl
    "Nazwa firmy", "Organizacja",  // pl
};







constexpr std::string_view kBusinessFaxNumber[]{
    "Business Fax", "Business Fax Number", "Work Fax", "Fax (work)",  // en
    "Fax geschäftlich",  // de
    "Télécopie (bureau)", "Fax (bureau)", "Fax professionnel",  // fr
    "Fax del trabajo",  // es
    "Fax (uff.)", "Fax ufficio",  // it
    "Fax comercial",  // pt
    "Fax op werk", "Fax (werk)", "Zakelijke fax",  // nl
    "Faks służbowy",  // pl
};

// The card has one URL line, so the catalogue's one page field takes the contact's web page
// of any kind but a page marked personal.
constexpr std::string_view kBusinessHomePage[]{
    "Web Page", "Website", "Homepage", "URL", "Business Home Page", "Business Web Page",  // en
    "Work Web Page", "Web Page 1", "Website 1 - Value", "Web Page (work)",  // en
    "Webseite", "Internetseite",  // de
    "Page Web", "Site Web", "Site Internet",  // fr
    "Página web", "Sitio web",  // es, it
    "Sito web",  // it
    "Página da Web",  // pt
    "Webpagina",  // nl
    "Strona sieci Web", "Strona WWW", "Strona internetowa",  // pl
    // Swedish Thunderbird heads its first web page, the work one, so; its second, the home
    // page, is then "Webbplats arbete".
    "Webbplats privat",  // sv
};

constexpr std::string_view kBusinessTelephoneNumber[]{
    "Business Phone", "Business Phone Number", "Business Telephone",  // en
    "Business Telephone Number", "Work Phone", "Work Phone Number", "Work Telephone",  // en
    "Office Phone", "Phone (work)",  // en
    "Telefon geschäftlich", "Telefon dienstlich",  // de
    "Téléphone (bureau)", "Téléphone professionnel", "Tél. bureau", "Tél. professionnel",  // fr
    "Teléfono del trabajo", "Teléfono de trabajo",  // es
    "Telefono ufficio", "Telefono (uff.)", "Telefono lavoro",  // it
    "Telefone comercial", "Telefone do trabalho",  // pt
    "Telefoon op werk", "Telefoon werk", "Zakelijke telefoon",  // nl
    "Telefon służbowy",  // pl
};

constexpr std::string_view kDepartment[]{
    "Department", "Dept", "Organization Department", "Organization 1 - Department",  // en
    "Abteilung",  // de
    "Service",  // fr
    "Departamento",  // es, pt
    "Reparto",  // it
    "Afdeling",  // nl
    "Dział",  // pl
};







constexpr std::string_view kHomeFaxNumber[]{
    "Home Fax", "Home Fax Number", "Fax (home)",  // en
    "Fax privat",  // de
    "Télécopie (domicile)", "Fax (domicile)",  // fr
    "Fax particular",  // es
    "Fax (ab.)", "Fax abitazione",  // it
    "Fax residencial",  // pt
    "Fax thuis",  // nl
    "Faks domowy",  // pl
};

constexpr std::string_view kHomeTelephoneNumber[]{
    "Home Phone", "Home Phone Number", "Home Telephone", "Home Telephone Number",  // en
    "Phone (home)", "Private Phone",  // en
    "Telefon privat",  // de
    "Téléphone (domicile)", "Téléphone personnel", "Tél. domicile",  // fr
    "Teléfono particular", "Teléfono de casa",  // es
    "Telefono abitazione", "Telefono (ab.)", "Telefono casa",  // it
    "Telefone residencial", "Telefone de casa",  // pt
    "Telefoon thuis",  // nl
    "Telefon domowy",  // pl
};

// Dutch "tussenvoegsel" (van, de) is a surname prefix, not a middle name, and names nothing.
constexpr std::string_view kMiddleName[]{
    "Middle Name", "Additional Name",  // en
    "Weitere Vornamen", "Zweiter Vorname",  // de
    "Deuxième prénom", "Second prénom",  // fr
    "Segundo nombre",  // es
    "Secondo nome",  // it
    "Segundo nome",  // pt
    "Middelste naam", "Tweede voornaam",  // nl
    "Drugie imię",  // pl
};

constexpr std::string_view kMobileNumber[]{
    "Mobile Phone", "Mobile", "Mobile Number", "Mobile Phone Number", "Cell", "Cell Phone",  // en
    "Cellular Phone", "Phone (mobile)",  // en
    "Mobiltelefon", "Mobil", "Handy", "Mobilnummer", "Handynummer",  // de
    "Tél. mobile", "Téléphone mobile", "Portable", "Téléphone portable",  // fr
    "Móvil", "Teléfono móvil", "Celular",  // es, pt
    "Cellulare", "Telefono cellulare",  // it
    "Telemóvel", "Telefone celular",  // pt
    "Mobiele telefoon", "Mobiel", "Mobiel nummer", "GSM",  // nl
    "Telefon komórkowy", "Tel. komórkowy", "Komórka",  // pl
};

// Outlook's "Title" column and Google's "Name Prefix" hold the honorific (Mr., Dr.), which is
// the catalogue's Title; the job title has names of its own. French "Titre" heads both the
// honorific and the job-title column of Outlook's French export, so it names nothing.
constexpr std::string_view kTitle[]{
    "Title", "Name Prefix", "Prefix", "Salutation",  // en
    "Anrede", "Titel",  // de, nl
    "Civilité",  // fr
    "Tratamiento", "Título",  // es, pt
    "Tratamento",  // pt
    "Titolo",  // it
    "Tytuł",  // pl
};

constexpr std::string_view kNotes[]{
    "Notes", "Note", "Comments", "Comment", "Remarks",  // en, fr, it
    "Notizen", "Bemerkungen", "Anmerkungen", "Kommentar",  // de
    "Remarques", "Commentaires",  // fr
    "Notas", "Comentarios",  // es, pt
    "Commenti",  // it
    "Anotações", "Observações",  // pt
    "Notities", "Opmerkingen",  // nl
    "Notatki", "Uwagi",  // pl
};

// clang-format on

// Every field but the twelve address fields.
constexpr std::array<FieldHeaderNames, kFieldCount - 12> kOtherNames{{
    {Field::FirstName, kFirstName},
    {Field::LastName, kLastName},
    {Field::FullName, kFullName},
    {Field::EmailAddress, kEmailAddress},
    {Field::EmailAddress2, kEmailAddress2},
    {Field::EmailAddress3, kEmailAddress3},
    {Field::JobTitle, kJobTitle},
    {Field::Company, kCompany},
    {Field::BusinessFaxNumber, kBusinessFaxNumber},
    {Field::BusinessHomePage, kBusinessHomePage},
    {Field::BusinessTelephoneNumber, kBusinessTelephoneNumber},
    {Field::Department, kDepartment},
    {Field::HomeFaxNumber, kHomeFaxNumber},
    {Field::HomeTelephoneNumber, kHomeTelephoneNumber},
    {Field::MiddleName, kMiddleName},
    {Field::MobileNumber, kMobileNumber},
    {Field::Title, kTitle},
    {Field::Notes, kNotes},
}};

}  // namespace

std::span<const FieldHeaderNames> headerNameTable() {
  // The address names live in a file of their own; the whole table is in catalogue order.
  static const std::array<FieldHeaderNames, kFieldCount> table = [] {
    std::array<FieldHeaderNames, kFieldCount> merged{};
    for (const FieldHeaderNames& names : kOtherNames)
      merged[static_cast<std::size_t>(names.field)] = names;
    for (const FieldHeaderNames& names : addressHeaderNames())
      merged[static_cast<std::size_t>(names.field)] = names;
    return merged;
  }();
  return table;
}

}  // namespace quillmere::core
