#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quillmere::core {

// What one word of a column header says, whatever its language.
enum class Sense : unsigned char {
  Home,       // home, privat, domicile, casa, domowy
  Work,       // business, work, geschäftlich, bureau, trabajo
  Other,      // other, weitere, autre: a third kind, the other phone among the More Fields
  Main,       // main, company main: a company's line, no contact's
  Primary,    // primary, principal: the first of several
  Secondary,  // secondary, alternate, ytterligare: the second
  Given,      // first name
  Family,     // surname
  Middle,     // middle name
  Name,       // name alone
  Display,    // display, anzeige, afficher
  Full,       // full, complete
  Prefix,     // the honorific: salutation, Anrede, civilité
  Email,
  Phone,
  Mobile,
  Fax,
  Address,  // an address as a whole
  Street,
  Line,  // address line
  City,
  State,
  Country,
  Zip,
  Web,
  Job,    // job, position, Funktion
  Title,  // title alone: a job title or an honorific, as the row tells
  Company,
  Department,
  Notes,
  Type,       // type, label: the kind of a numbered group's value
  Value,      // value: a numbered group's value
  Formatted,  // a numbered group's whole address
  Filler,     // number, of, de, の: says nothing on its own
  Block,      // suffix, PO box, screen name: data no field is for
  // The More Fields'.
  Birthday,     // birthday, Geburtstag, naissance, 誕生
  Anniversary,  // anniversary, Jahrestag
  Nickname,     // nickname, Spitzname, surnom
  Pager,        // pager, Pieper, buscapersonas
  Categories,   // categories, Kategorien, labels
  Photo,        // photo, picture, Bild, 写真
};

struct HeaderWord {
  std::string_view text;  // as the export writes it; folded before comparing
  Sense sense;
  // A word that means this only in some exports ("Estado" may head a status, "Apelido" is a
  // nickname in Brazil): its header pairs only when the row leaves room for that meaning.
  bool weak = false;
};

// The words of one language family; each list lives in a file of its own.
std::span<const HeaderWord> germanicHeaderWords();
std::span<const HeaderWord> romanceHeaderWords();
std::span<const HeaderWord> slavicHeaderWords();
std::span<const HeaderWord> eastAsianHeaderWords();
std::span<const HeaderWord> otherHeaderWords();

// A header read as words: the senses in reading order, the first number written in it, and
// whether some of its text is no known word.
struct HeaderWords {
  std::vector<Sense> senses;
  std::uint32_t number = 0;
  bool unknownText = false;
  bool weak = false;  // some word of it is weak

  bool has(Sense sense) const;
  // Where the sense first comes in reading order; senses.size() when it does not.
  std::size_t position(Sense sense) const;
};

// foldHeaderText, then Cyrillic and full-width Latin in lower case and the marks Arabic and
// Devanagari may or may not write dropped, so two spellings of one word compare equal.
std::string foldHeaderWords(std::string_view text);

// Splits the folded header into known words, compounds and run-together scripts alike,
// taking the reading with the fewest words that leaves the least text unknown.
HeaderWords readHeaderWords(std::string_view header);

}  // namespace quillmere::core
