#include "core/HeaderNames.h"

#include <unordered_map>

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

std::optional<Field> fieldForHeader(std::string_view headerText) {
  const auto& index = nameIndex();
  const auto found = index.find(foldHeaderText(headerText));
  if (found == index.end()) return std::nullopt;
  return found->second;
}

std::vector<std::pair<std::size_t, Field>> matchHeadersByName(
    std::span<const std::string> headers, const std::set<Field>& alreadyMapped) {
  std::set<Field> taken = alreadyMapped;
  std::vector<std::pair<std::size_t, Field>> pairs;
  for (std::size_t i = 0; i < headers.size(); ++i) {
    const auto field = fieldForHeader(headers[i]);
    if (field && taken.insert(*field).second) pairs.emplace_back(i, *field);
  }
  return pairs;
}

}  // namespace quillmere::core
