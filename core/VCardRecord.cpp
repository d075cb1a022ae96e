#include "core/VCardRecord.h"

#include <algorithm>
#include <initializer_list>

#include "core/ContactDate.h"
#include "core/SeveralValues.h"
#include "core/VCardText.h"

namespace quillmere::core {

namespace {

// Writes one record's lines into `out`. A 3.0 or 4.0 value is escaped straight into it; a 2.1
// value goes through a scratch buffer that keeps its capacity from record to record, as only
// the whole escaped value says whether it travels quoted-printable.
class RecordWriter {
 public:
  RecordWriter(std::string& out, const ContactValues& values, VCardDialect dialect)
      : out_(out), start_(out.size()), values_(values), dialect_(dialect) {}

  void line(std::string_view text) {
    breakLine();
    out_ += text;
  }

  // One property whose components are the given fields, joined by bare ";".
  void property(std::string_view nameAndTypes, std::initializer_list<Field> components) {
    std::string& value = beginValue(nameAndTypes);
    bool first = true;
    for (const Field field : components) {
      if (!first) value += ';';
      first = false;
      appendEscaped(value, values_[field], dialect_);
    }
    endValue(nameAndTypes, value);
  }

  void optional(std::string_view nameAndTypes, Field field) {
    if (!values_[field].empty()) property(nameAndTypes, {field});
  }

  bool anyOf(std::initializer_list<Field> fields) const {
    for (const Field field : fields) {
      if (!values_[field].empty()) return true;
    }
    return false;
  }

  // The display name made from the parts: first name, one space, last name.
  void nameFromParts() {
    std::string& value = beginValue("FN");
    appendEscaped(value, values_[Field::FirstName], dialect_);
    value += ' ';
    appendEscaped(value, values_[Field::LastName], dialect_);
    endValue("FN", value);
  }

  // A date field's line in the version's form; a value that is no date makes none.
  void date(std::string_view name, Field field, std::string_view version) {
    if (values_[field].empty()) return;
    const auto day = dateFromIsoText(values_[field]);
    if (!day) return;
    std::string& value = beginValue(name);
    appendVCardDate(value, *day, version);
    endValue(name, value);
  }

  // Each category escaped, joined by ",". A cell separates them as Google does, by " ::: ",
  // or one to a line, so a category may hold commas and semicolons of its own.
  void categories(Field field) {
    // Gathered apart first: a cell of blank categories makes no line at all.
    thread_local std::string value;
    value.clear();
    std::string_view rest = values_[field];
    while (!rest.empty()) {
      const std::size_t end = std::min(rest.find(kValueSeparator), rest.find_first_of("\r\n"));
      std::string_view one = rest.substr(0, end);
      rest = end == std::string_view::npos ? std::string_view() : rest.substr(end);
      if (rest.starts_with(kValueSeparator)) {
        rest.remove_prefix(kValueSeparator.size());
      } else if (!rest.empty()) {
        rest.remove_prefix(1);
      }
      while (one.starts_with(' '))
        one.remove_prefix(1);
      while (one.ends_with(' '))
        one.remove_suffix(1);
      if (one.empty()) continue;
      if (!value.empty()) value += ',';
      appendEscaped(value, one, dialect_);
    }
    if (value.empty()) return;
    std::string& line = beginValue("CATEGORIES");
    line += value;
    endValue("CATEGORIES", line);
  }

  // The two leading empty components are the post office box and the extended address.
  void address(std::string_view nameAndTypes, std::initializer_list<Field> parts) {
    if (!anyOf(parts)) return;
    std::string& value = beginValue(nameAndTypes);
    value += ";;";
    bool first = true;
    for (const Field part : parts) {
      if (!first) value += ';';
      first = false;
      appendEscaped(value, values_[part], dialect_);
    }
    endValue(nameAndTypes, value);
  }

 private:
  void breakLine() {
    if (out_.size() > start_) out_ += "\r\n";
  }

  // Where the property's escaped value is to be written.
  std::string& beginValue(std::string_view nameAndTypes) {
    if (dialect_ == VCardDialect::V21) {
      thread_local std::string scratch;
      scratch.clear();
      return scratch;
    }
    // These dialects take any value as it is escaped: "NAME;TYPES:value".
    breakLine();
    out_ += nameAndTypes;
    out_ += ':';
    return out_;
  }

  void endValue(std::string_view nameAndTypes, const std::string& value) {
    if (dialect_ != VCardDialect::V21) return;
    breakLine();
    appendProperty(out_, nameAndTypes, value, dialect_);
  }

  std::string& out_;
  std::size_t start_;
  const ContactValues& values_;
  VCardDialect dialect_;
};

}  // namespace

void appendRecord(std::string& out, const ContactValues& values, std::string_view version) {
  using enum Field;
  RecordWriter w(out, values, dialectOf(version));

  w.line("BEGIN:VCARD");
  w.line("VERSION:");
  out += version;

  const bool hasName = w.anyOf({LastName, FirstName, MiddleName});
  if (hasName) w.property("N", {LastName, FirstName, MiddleName});

  if (!values[FullName].empty()) {
    w.property("FN", {FullName});
  } else if (hasName) {
    w.nameFromParts();
  } else {
    w.line("FN:");
  }

  if (!values[Company].empty()) w.property("ORG", {Company, Department});
  w.optional("TITLE", JobTitle);
  w.optional("TEL;WORK;VOICE", BusinessTelephoneNumber);
  w.optional("TEL;HOME;VOICE", HomeTelephoneNumber);
  w.optional("TEL;CELL;VOICE", MobileNumber);
  w.optional("TEL;WORK;FAX", BusinessFaxNumber);
  w.address("ADR;WORK", {BusinessAddressStreet, BusinessAddressCity, BusinessAddressState,
                         BusinessAddressPostalCode, BusinessAddressCountry});
  w.address("ADR;HOME", {HomeAddressStreet, HomeAddressCity, HomeAddressState,
                         HomeAddressPostalCode, HomeAddressCountry});
  w.optional("URL", BusinessHomePage);
  w.optional("EMAIL;PREF;INTERNET", EmailAddress);
  w.optional("EMAIL;INTERNET", EmailAddress2);
  w.optional("EMAIL;INTERNET", EmailAddress3);
  w.optional("NOTE", Notes);
  // More Fields come after every line above, so a card without them is as it always was.
  const bool v21 = version == "2.1";
  const bool v40 = version == "4.0";
  // 2.1 has no nickname; the readers that take one there read X-NICKNAME.
  w.optional(v21 ? "X-NICKNAME" : "NICKNAME", Nickname);
  w.date("BDAY", Birthday, version);
  // Before 4.0 the anniversary is an extension, spelled as the address books that keep one
  // read it.
  w.date(v40 ? "ANNIVERSARY" : "X-ANNIVERSARY", Anniversary, version);
  w.optional("TEL;VOICE", OtherTelephoneNumber);
  w.optional("TEL;PAGER", PagerNumber);
  w.optional("URL;HOME", PersonalHomePage);
  w.categories(Categories);
  w.line("END:VCARD");
}

std::string buildRecord(const ContactValues& values, std::string_view version) {
  std::string record;
  appendRecord(record, values, version);
  return record;
}

}  // namespace quillmere::core
