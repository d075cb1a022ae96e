// Match by Name over a whole header row: the rules that need the other columns.
#include <algorithm>
#include <map>
#include <unordered_map>

#include "core/HeaderMeaning.h"
#include "core/HeaderNames.h"

namespace quillmere::core {
namespace {

using Kind = HeaderMeaning::Kind;

// A column's fields to choose from, the first preferred, and whether it waits for the
// columns that name their field plainly.
struct Candidates {
  std::vector<Field> fields;
  bool weak = false;
};

// The most common non-empty value; ties go to the one met first.
std::string mostCommon(const std::vector<std::string>& values) {
  std::unordered_map<std::string, std::size_t> counts;
  std::string best;
  std::size_t bestCount = 0;
  for (const std::string& value : values) {
    if (value.find_first_not_of(' ') == std::string::npos) continue;
    const std::size_t count = ++counts[value];
    if (count > bestCount) {
      best = value;
      bestCount = count;
    }
  }
  return best;
}

class RowPairing {
 public:
  RowPairing(std::span<const std::string> headers, const HeaderContext& context)
      : context_(context), meanings_(headers.size()), learned_(headers.size()) {
    for (std::size_t i = 0; i < headers.size(); ++i) {
      const auto found = context.learned.find(learnedHeaderKey(headers[i]));
      if (found != context.learned.end()) learned_[i] = found->second;
      meanings_[i] = headerMeaning(headers[i]);
    }
    readTypeColumns();
    settleAddressKinds();
    settleBirthday();
  }

  Candidates candidatesAt(std::size_t i) const {
    if (learned_[i]) return {{*learned_[i]}, false};
    const HeaderMeaning& meaning = meanings_[i];
    switch (meaning.kind) {
      case Kind::Field:
        return {meaning.fields, meaning.weak};
      case Kind::Address:
        return addressCandidates(i);
      case Kind::BareTitle:
        // The honorific field writes no line; the job title does, when no column has it.
        if (hasJobTitleColumn()) return {{Field::Title}, false};
        return {{Field::JobTitle, Field::Title}, false};
      default:
        return {};
    }
  }

 private:
  // Gives each numbered Google column the field its group's Type column names.
  void readTypeColumns() {
    std::map<std::pair<bool, std::uint32_t>, TypeValue> types;
    for (std::size_t i = 0; i < meanings_.size(); ++i) {
      const HeaderMeaning& meaning = meanings_[i];
      if (meaning.kind != Kind::TypeColumn || !context_.columnValues) continue;
      const std::string value = mostCommon(context_.columnValues(i));
      if (!value.empty()) types[{meaning.groupOfAddresses, meaning.group}] = readTypeValue(value);
    }
    for (HeaderMeaning& meaning : meanings_) {
      const bool phone = meaning.kind == Kind::TypedPhone;
      if (!phone && meaning.kind != Kind::TypedAddress) continue;
      const auto type = types.find({!phone, meaning.group});
      if (type == types.end() || type->second.other) {
        meaning = {};
      } else if (phone) {
        meaning = phoneOfType(type->second);
      } else if (type->second.qualifier == Qualifier::None) {
        meaning = {};
      } else {
        meaning.kind = Kind::Address;
        meaning.qualifier = type->second.qualifier;
      }
    }
  }

  static HeaderMeaning phoneOfType(const TypeValue& type) {
    HeaderMeaning meaning;
    std::optional<Field> field;
    if (type.fax) {
      if (type.qualifier == Qualifier::Home) field = Field::HomeFaxNumber;
      if (type.qualifier == Qualifier::Work) field = Field::BusinessFaxNumber;
    } else if (type.mobile) {
      field = Field::MobileNumber;
    } else if (type.qualifier == Qualifier::Home) {
      field = Field::HomeTelephoneNumber;
    } else if (type.qualifier == Qualifier::Work) {
      field = Field::BusinessTelephoneNumber;
    }
    if (field) {
      meaning.kind = Kind::Field;
      meaning.fields = {*field};
    }
    return meaning;
  }

  bool addressyAt(std::size_t i) const { return i < meanings_.size() && meanings_[i].addressy; }

  // An address column that says neither home nor work belongs with the address columns just
  // before it ("Ville" after "Adresse professionnelle"), else to the home address, as plain
  // lists name it. A weak one pairs only among address columns. One walk each way, so a
  // row of thousands of columns costs no more than their number.
  void settleAddressKinds() {
    Qualifier blockKind = Qualifier::None;
    for (std::size_t i = 0; i < meanings_.size(); ++i) {
      HeaderMeaning& meaning = meanings_[i];
      if (!meaning.addressy) blockKind = Qualifier::None;
      const bool beside = (i > 0 && addressyAt(i - 1)) || addressyAt(i + 1);
      if (meaning.kind == Kind::Address && meaning.weak && !beside) {
        meaning = {};
        continue;
      }
      if (meaning.kind == Kind::Address && meaning.qualifier == Qualifier::None) {
        meaning.qualifier = blockKind;
      } else if (meaning.addressy && meaning.qualifier != Qualifier::None) {
        blockKind = meaning.qualifier;
      }
    }
    // Whether a part of no kind follows in the same run of address columns.
    bool bareParts = false;
    for (std::size_t i = meanings_.size(); i-- > 0;) {
      HeaderMeaning& meaning = meanings_[i];
      const bool bareHere = bareParts;
      if (!meaning.addressy) bareParts = false;
      if (meaning.kind != Kind::Address || meaning.qualifier != Qualifier::None) continue;
      const bool whole = meaning.parts == std::vector{AddressPart::Whole};
      if (!whole) bareParts = true;
      // "Address" alone is the home one only when home parts follow it.
      if (whole && !bareHere) {
        meaning = {};
        continue;
      }
      meaning.qualifier = Qualifier::Home;
    }
    for (const HeaderMeaning& meaning : meanings_) {
      if (meaning.kind == Kind::Address && meaning.parts.front() == AddressPart::Street) {
        (meaning.qualifier == Qualifier::Work ? workStreet_ : homeStreet_) = true;
      }
      if (meaning.kind == Kind::Field && meaning.fields.front() == Field::JobTitle) {
        jobTitleColumn_ = true;
      }
    }
  }

  // Thunderbird writes the birth's year, month and day in columns of their own; its "Birth
  // Day" then holds the day of the month alone, which no card can take as a birthday.
  void settleBirthday() {
    const bool inParts =
        std::any_of(meanings_.begin(), meanings_.end(),
                    [](const HeaderMeaning& meaning) { return meaning.birthPart; });
    if (!inParts) return;
    for (HeaderMeaning& meaning : meanings_) {
      if (meaning.kind == Kind::Field && meaning.fields.front() == Field::Birthday) meaning = {};
    }
  }

  bool hasStreetColumn(Qualifier qualifier) const {
    return qualifier == Qualifier::Work ? workStreet_ : homeStreet_;
  }

  bool hasJobTitleColumn() const { return jobTitleColumn_; }

  // A whole address is the street's column when its street has none of its own; only beside
  // one does it go to the whole-address field, which writes no card line.
  Candidates addressCandidates(std::size_t i) const {
    const HeaderMeaning& meaning = meanings_[i];
    Candidates candidates{{}, meaning.weak};
    for (AddressPart part : meaning.parts) {
      if (part == AddressPart::Whole && !hasStreetColumn(meaning.qualifier)) {
        part = AddressPart::Street;
      }
      candidates.fields.push_back(addressField(meaning.qualifier, part));
    }
    return candidates;
  }

  const HeaderContext& context_;
  std::vector<HeaderMeaning> meanings_;
  std::vector<std::optional<Field>> learned_;
  bool homeStreet_ = false;
  bool workStreet_ = false;
  bool jobTitleColumn_ = false;
};

}  // namespace

std::vector<std::pair<std::size_t, Field>> matchHeadersByName(std::span<const std::string> headers,
                                                              const std::set<Field>& alreadyMapped,
                                                              const HeaderContext& context) {
  const RowPairing row(headers, context);
  std::vector<Candidates> candidates;
  candidates.reserve(headers.size());
  for (std::size_t i = 0; i < headers.size(); ++i)
    candidates.push_back(row.candidatesAt(i));

  std::set<Field> taken = alreadyMapped;
  if (!context.moreFields) {
    for (std::size_t i = kFieldCount; i < kAllFieldCount; ++i)
      taken.insert(static_cast<Field>(i));
  }
  std::vector<std::pair<std::size_t, Field>> pairs;
  // Plain names first, left to right; then the headers that may mean a field take what is left.
  for (const bool weak : {false, true}) {
    for (std::size_t i = 0; i < headers.size(); ++i) {
      if (candidates[i].weak != weak) continue;
      for (const Field field : candidates[i].fields) {
        if (taken.insert(field).second) {
          pairs.emplace_back(i, field);
          break;
        }
      }
    }
  }
  std::sort(pairs.begin(), pairs.end());
  return pairs;
}

}  // namespace quillmere::core
