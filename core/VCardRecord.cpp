#include "core/VCardRecord.h"

#include <initializer_list>

#include "core/VCardText.h"

namespace quillmere::core {

namespace {

class RecordWriter {
 public:
  RecordWriter(const ContactValues& values, VCardDialect dialect)
      : values_(values), dialect_(dialect) {}

  void line(std::string_view text) {
    if (!out_.empty()) out_ += "\r\n";
    out_ += text;
  }

  // One property whose components are the given fields, joined by bare ";".
  void property(std::string_view nameAndTypes, std::initializer_list<Field> components) {
    std::string value;
    bool first = true;
    for (const Field field : components) {
      if (!first) value += ';';
      first = false;
      appendEscaped(value, values_[field], dialect_);
    }
    propertyWithValue(nameAndTypes, value);
  }

  void propertyWithValue(std::string_view nameAndTypes, std::string_view escaped) {
    if (!out_.empty()) out_ += "\r\n";
    appendProperty(out_, nameAndTypes, escaped, dialect_);
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

  std::string escaped(Field field) const {
    std::string value;
    appendEscaped(value, values_[field], dialect_);
    return value;
  }

  std::string take() { return std::move(out_); }

 private:
  const ContactValues& values_;
  VCardDialect dialect_;
  std::string out_;
};

}  // namespace

std::string buildRecord(const ContactValues& values, std::string_view version) {
  using enum Field;
  RecordWriter w(values, dialectOf(version));

  w.line("BEGIN:VCARD");
  w.line(std::string("VERSION:").append(version));

  const bool hasName = w.anyOf({LastName, FirstName, MiddleName});
  if (hasName) w.property("N", {LastName, FirstName, MiddleName});

  if (!values[FullName].empty()) {
    w.property("FN", {FullName});
  } else if (hasName) {
    w.propertyWithValue("FN", w.escaped(FirstName) + " " + w.escaped(LastName));
  } else {
    w.line("FN:");
  }

  if (!values[Company].empty()) w.property("ORG", {Company, Department});
  w.optional("TITLE", JobTitle);
  w.optional("TEL;WORK;VOICE", BusinessTelephoneNumber);
  w.optional("TEL;HOME;VOICE", HomeTelephoneNumber);
  w.optional("TEL;CELL;VOICE", MobileNumber);
  w.optional("TEL;WORK;FAX", BusinessFaxNumber);

  // The two leading empty components are the post office box and the extended address.
  const auto address = [&w](std::string_view name, Field street, Field city, Field state,
                            Field postalCode, Field country) {
    if (!w.anyOf({street, city, state, postalCode, country})) return;
    w.propertyWithValue(name, ";;" + w.escaped(street) + ";" + w.escaped(city) + ";" +
                                  w.escaped(state) + ";" + w.escaped(postalCode) + ";" +
                                  w.escaped(country));
  };
  address("ADR;WORK", BusinessAddressStreet, BusinessAddressCity, BusinessAddressState,
          BusinessAddressPostalCode, BusinessAddressCountry);
  address("ADR;HOME", HomeAddressStreet, HomeAddressCity, HomeAddressState, HomeAddressPostalCode,
          HomeAddressCountry);

  w.optional("URL", BusinessHomePage);
  w.optional("EMAIL;PREF;INTERNET", EmailAddress);
  w.optional("EMAIL;INTERNET", EmailAddress2);
  w.optional("EMAIL;INTERNET", EmailAddress3);
  w.optional("NOTE", Notes);
  w.line("END:VCARD");
  return w.take();
}

}  // namespace quillmere::core
