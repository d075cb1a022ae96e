#pragma once

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "core/ContactDate.h"
#include "core/ContactUid.h"
#include "core/ContactValues.h"
#include "core/SeveralValues.h"
#include "core/StandardDisplayName.h"
#include "core/VCardFolding.h"
#include "core/VCardHeads.h"
#include "core/VCardPhotoLine.h"
#include "core/VCardRecord.h"
#include "core/VCardText.h"

// The record layout, for the files that write it and the one that only walks it; each in a
// file of its own, as together the compiler inlined less into the writer.
namespace quillmere::core::writing {

// Writes one record's lines into `out`. A 3.0 or 4.0 value is escaped straight into it; a 2.1
// value goes through a scratch buffer that keeps its capacity from record to record, as only
// the whole escaped value says whether it travels quoted-printable. Into any other `Out` (one
// that keeps nothing, with an appendEscaped of its own), it only tells `expected` what the
// record holds.
template <typename Expectation, typename Out = std::string>
class RecordWriter {
  static constexpr bool kWrites = std::is_same_v<Out, std::string>;

 public:
  RecordWriter(Out& out, const ContactValues& values, const RecordForm& form, Expectation* expected)
      : out_(out),
        start_(out.size()),
        values_(values),
        form_(form),
        dialect_(dialectOf(form.version)),
        spelling_(spellingOf(form)),
        expected_(expected) {}

  void line(std::string_view text) {
    breakLine();
    out_ += text;
  }
  void put(std::string_view text) { out_ += text; }

  // One property whose components are the given fields, joined by bare ";".
  // `emptyAfter` empty components follow them; `known` is the head's entry when it has kinds.
  void property(std::string_view head, std::initializer_list<Field> components,
                ValueKind kind = ValueKind::Text, std::size_t emptyAfter = 0,
                const Head* known = nullptr) {
    Out& value = beginValue(head);
    const bool expected = expect(head, known);
    bool first = true;
    for (const Field field : components) {
      if (!first) value += ';';
      first = false;
      appendEscaped(value, values_[field], dialect_, kind);
      if (expected) expected_->component(values_[field]);
    }
    value.append(emptyAfter, ';');
    for (std::size_t i = 0; expected && i < emptyAfter; ++i)
      expected_->component(std::string_view());
    endValue(head, value);
  }

  void optional(std::string_view head, Field field, ValueKind kind = ValueKind::Text,
                const Head* known = nullptr) {
    if (!values_[field].empty()) property(head, {field}, kind, 0, known);
  }
  void optional(HeadId head, Field field, ValueKind kind = ValueKind::Text) {
    optional(headText(head, spelling_), field, kind, &kHeads[head]);
  }

  // A URL, its commas and semicolons percent-encoded where the form asks for it.
  void uri(HeadId head, Field field) {
    const std::string& value = values_[field];
    if (!form_.uriCommasEncoded || value.find_first_of(",;") == std::string::npos) {
      optional(head, field, ValueKind::Uri);
      return;
    }
    thread_local std::string encoded;
    encoded.clear();
    for (const char c : value) {
      if (c == ',') {
        encoded += "%2C";
      } else if (c == ';') {
        encoded += "%3B";
      } else {
        encoded += c;
      }
    }
    const std::string_view name = headText(head, spelling_);
    Out& line = beginValue(name);
    appendEscaped(line, encoded, dialect_, ValueKind::Uri);
    if (expect(name, &kHeads[head])) expected_->component(encoded);
    endValue(name, line);
  }

  bool anyOf(std::initializer_list<Field> fields) const {
    for (const Field field : fields) {
      if (!values_[field].empty()) return true;
    }
    return false;
  }

  // A property of one text that is not a single field's value.
  void text(std::string_view head, std::string_view text, const Head* known = nullptr) {
    Out& value = beginValue(head);
    appendEscaped(value, text, dialect_);
    if (expect(head, known)) expected_->component(text);
    endValue(head, value);
  }

  // The display name made from the parts: first name, one space, last name.
  void nameFromParts() {
    Out& value = beginValue("FN");
    appendEscaped(value, values_[Field::FirstName], dialect_);
    value += ' ';
    appendEscaped(value, values_[Field::LastName], dialect_);
    if (expect("FN")) {
      expected_->component({values_[Field::FirstName], " ", values_[Field::LastName]});
    }
    endValue("FN", value);
  }

  // A date field's line in the version's form; a value that is no date makes none.
  void date(std::string_view name, Field field) {
    if (values_[field].empty()) return;
    const auto day = dateFromIsoText(values_[field]);
    if (!day) return;
    Out& value = beginValue(name);
    thread_local std::string text;
    text.clear();
    appendVCardDate(text, *day, form_.version);
    value += text;
    if (expect(name)) expected_->component(text);
    endValue(name, value);
  }

  // Each category escaped, joined by ",". 2.1 has no categories and so no escape of its own
  // for them: a category keeps its commas escaped as 3.0 escapes them, which its readers undo,
  // rather than split.
  void categories(Field field) {
    if (values_[field].empty()) return;  // as most are: no call, no list
    const std::vector<std::string_view> items = categoriesOf(values_[field]);
    if (items.empty()) return;
    Out& line = beginValue("CATEGORIES");
    bool first = true;
    for (const std::string_view item : items) {
      if (!first) line += ',';
      first = false;
      appendEscaped(line, item, VCardDialect::V30);
    }
    if (expect("CATEGORIES")) {
      for (const std::string_view item : items)
        expected_->component(item);
    }
    endValue("CATEGORIES", line);
  }

  // The two leading empty components are the post office box and the extended address. In
  // the standard forms a whole address in one cell is the street where the row has none, and
  // else the formatted address: a LABEL line before 4.0, the ADR's LABEL parameter in 4.0.
  void address(HeadId adr, HeadId label, Field whole, std::initializer_list<Field> parts) {
    const std::string_view wholeText = form_.standard ? std::string_view(values_[whole]) : "";
    if (!anyOf(parts) && wholeText.empty()) return;
    const bool asStreet = !wholeText.empty() && values_[*parts.begin()].empty();
    const bool asLabel = !wholeText.empty() && !asStreet;
    thread_local std::string head;
    head = headText(adr, spelling_);
    if (kWrites && asLabel && spelling_ == TypeSpelling::Type40)
      appendLabelParameter(head, wholeText);
    Out& value = beginValue(head);
    const bool expected = expect(headText(adr, spelling_), &kHeads[adr]);
    if (expected) {
      if (asLabel && spelling_ == TypeSpelling::Type40) expected_->parameter("LABEL", wholeText);
      expected_->component(std::string_view());
      expected_->component(std::string_view());
    }
    value += ";;";
    bool first = true;
    for (const Field part : parts) {
      if (!first) value += ';';
      const std::string_view text = first && asStreet ? wholeText : values_[part];
      first = false;
      appendEscaped(value, text, dialect_, ValueKind::Component);
      if (expected) expected_->component(text);
    }
    endValue(head, value);
    if (asLabel && spelling_ != TypeSpelling::Type40) {
      text(headText(label, spelling_), wholeText, &kHeads[label]);
    }
  }

  void photo() {
    if (values_.photo().empty()) return;
    breakLine();
    if constexpr (kWrites) {
      appendPhotoLine(out_, values_.photo(), form_.version, dialect_, expected_);
    } else if (expected_ != nullptr) {
      expectPhoto(*expected_, values_.photo(), form_.version);
    }
  }

 private:
  void breakLine() {
    if (out_.size() > start_) out_ += "\r\n";
  }

  // Where the property's escaped value is to be written.
  Out& beginValue(std::string_view head) {
    if constexpr (kWrites) {
      if (dialect_ == VCardDialect::V21) {
        thread_local std::string scratch;
        scratch.clear();
        return scratch;
      }
      // These dialects take any value as it is escaped: "NAME;TYPES:value".
      breakLine();
      lineStart_ = out_.size();
      out_ += head;
      out_ += ':';
    }
    return out_;
  }

  void endValue(std::string_view head, const Out& value) {
    if constexpr (kWrites) {
      if (dialect_ == VCardDialect::V21) {
        breakLine();
        lineStart_ = out_.size();
        appendProperty(out_, head, value, dialect_);
      }
      if (form_.standard) foldLine(out_, lineStart_, dialect_);
    }
    if (expected_ != nullptr) expected_->endProperty();
  }

  // The property the reader should find for this one, when asked for; `head` is what precedes
  // the value, and `known` its entry among the heads with kinds.
  bool expect(std::string_view head, const Head* known = nullptr) {
    if (expected_ == nullptr) return false;
    // A head's name and kinds depend only on it and on their spelling.
    static_assert(kHeadCount * 3 <= 64);
    const std::size_t key = known == nullptr ? 0
                                             : static_cast<std::size_t>(known - kHeads.data()) * 3 +
                                                   static_cast<std::size_t>(spelling_);
    if (known != nullptr && expected_->knownHead(key)) return true;
    expected_->property(head.substr(0, head.find(';')));
    if (known == nullptr) return true;
    for (const std::string_view type : known->types) {
      if (type.empty()) continue;
      if (isPref40(spelling_, type)) {
        expected_->parameter("PREF", "1");
      } else {
        expected_->type(type);
      }
    }
    expected_->remember(key);
    return true;
  }

  Out& out_;
  std::size_t start_;
  std::size_t lineStart_ = 0;
  const ContactValues& values_;
  const RecordForm& form_;
  VCardDialect dialect_;
  TypeSpelling spelling_;
  Expectation* expected_;
};

// The record of `values` in `form`; `madeUid`, where given, is contactUid(values), made already.
template <typename Expectation, typename Out>
void writeRecord(Out& out, const ContactValues& values, const RecordForm& form,
                 Expectation* expected, const ContactUid* madeUid) {
  using enum Field;
  RecordWriter<Expectation, Out> w(out, values, form, expected);

  w.line("BEGIN:VCARD");
  w.line("VERSION:");
  w.put(versionText(form.version));

  const bool hasName = w.anyOf({LastName, FirstName, MiddleName});
  if (form.standard) {
    // Every component, the honorific as the prefix, and always: 3.0 and 4.0 require N.
    w.property("N", {LastName, FirstName, MiddleName, Title}, ValueKind::Component, 1);
  } else if (hasName) {
    w.property("N", {LastName, FirstName, MiddleName}, ValueKind::Component);
  }

  if (form.standard) {
    thread_local std::string name;
    w.text("FN", standardDisplayName(values, name));
  } else if (!values[FullName].empty()) {
    w.property("FN", {FullName});
  } else if (hasName) {
    w.nameFromParts();
  } else {
    w.text("FN", "");
  }

  if (!values[Company].empty()) w.property("ORG", {Company, Department}, ValueKind::Component);
  w.optional("TITLE", JobTitle);
  w.optional(TelWork, BusinessTelephoneNumber);
  w.optional(TelHome, HomeTelephoneNumber);
  w.optional(TelCell, MobileNumber);
  w.optional(FaxWork, BusinessFaxNumber);
  if (form.standard) w.optional(FaxHome, HomeFaxNumber);
  w.address(AdrWork, LabelWork, BusinessAddress,
            {BusinessAddressStreet, BusinessAddressCity, BusinessAddressState,
             BusinessAddressPostalCode, BusinessAddressCountry});
  w.address(AdrHome, LabelHome, HomeAddress,
            {HomeAddressStreet, HomeAddressCity, HomeAddressState, HomeAddressPostalCode,
             HomeAddressCountry});
  w.uri(Url, BusinessHomePage);
  w.optional(EmailPref, EmailAddress);
  w.optional(Email, EmailAddress2);
  w.optional(Email, EmailAddress3);
  w.optional("NOTE", Notes);
  // More Fields come after every line above, so a card without them is as it always was.
  const bool v21 = form.version == VCardVersion::V21;
  const bool v40 = form.version == VCardVersion::V40;
  // 2.1 has no nickname; the readers that take one there read X-NICKNAME.
  w.optional(v21 ? "X-NICKNAME" : "NICKNAME", Nickname);
  w.date("BDAY", Birthday);
  // Before 4.0 the anniversary is an extension, spelled as the address books that keep one
  // read it.
  w.date(v40 ? "ANNIVERSARY" : "X-ANNIVERSARY", Anniversary);
  w.optional(TelVoice, OtherTelephoneNumber);
  w.optional(TelPager, PagerNumber);
  w.uri(UrlHome, PersonalHomePage);
  w.categories(Categories);
  w.photo();
  if (form.standard) {
    thread_local std::string text;
    text.clear();
    appendUidText(text, madeUid != nullptr ? *madeUid : contactUid(values));
    w.text("UID", text);
  }
  w.line("END:VCARD");
}

}  // namespace quillmere::core::writing
