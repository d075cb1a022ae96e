#include "core/HeaderNames.h"

#include <unordered_map>

#include "core/HeaderMeaning.h"
#include "core/HeaderNameTable.h"
#include "core/HeaderText.h"

namespace quillmere::core {
namespace {

using NameIndex = std::unordered_map<std::string, std::optional<Field>>;

NameIndex buildNameIndex() {
  NameIndex index;
  for (const auto& entry : headerNameTable()) {
    for (const auto name : entry.names) {
      const auto [found, inserted] = index.emplace(foldHeaderText(name), entry.field);
      // A name given to two fields must name neither, not whichever the table lists first.
      if (!inserted && found->second != entry.field) found->second.reset();
    }
  }
  return index;
}

const NameIndex& nameIndex() {
  static const NameIndex index = buildNameIndex();
  return index;
}

}  // namespace

std::optional<Field> tableFieldForHeader(std::string_view headerText) {
  const auto& index = nameIndex();
  const auto found = index.find(foldHeaderText(headerText));
  if (found == index.end()) return std::nullopt;
  return found->second;
}

std::optional<Field> fieldForHeader(std::string_view headerText, bool moreFields) {
  const HeaderMeaning meaning = headerMeaning(headerText);
  if (meaning.kind == HeaderMeaning::Kind::Nothing) return std::nullopt;
  if (meaning.kind == HeaderMeaning::Kind::Field && isMoreField(meaning.fields.front()) &&
      !moreFields) {
    return std::nullopt;
  }
  // The table's own pair stands, as a header alone has no row to settle it.
  if (const auto table = tableFieldForHeader(headerText)) return table;
  if (meaning.weak) return std::nullopt;
  switch (meaning.kind) {
    case HeaderMeaning::Kind::Field:
      return meaning.fields.front();
    case HeaderMeaning::Kind::Address: {
      // Alone, a whole address has no street column beside it, so it is the street.
      const AddressPart part =
          meaning.parts.front() == AddressPart::Whole ? AddressPart::Street : meaning.parts.front();
      return addressField(meaning.qualifier, part);
    }
    case HeaderMeaning::Kind::BareTitle:
      return Field::Title;
    default:
      return std::nullopt;
  }
}

std::function<std::vector<std::string>(std::size_t)> columnValuesOf(
    const source::SheetPreview& preview) {
  return [&preview](std::size_t column) {
    std::vector<std::string> values;
    for (std::size_t row = 1; row < preview.rowCount(); ++row)
      values.emplace_back(preview.cell(row, column));
    return values;
  };
}

std::string learnedHeaderKey(std::string_view headerText) {
  return foldHeaderText(headerText);
}

}  // namespace quillmere::core
