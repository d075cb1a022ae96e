#include "core/MatchByName.h"

#include <algorithm>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/HeaderNames.h"

namespace quillmere::core {

namespace {

template <typename Item>
std::optional<std::size_t> positionOf(const std::vector<Item>& list, const Item& item) {
  const auto found = std::find(list.begin(), list.end(), item);
  if (found == list.end()) return std::nullopt;
  return static_cast<std::size_t>(found - list.begin());
}

}  // namespace

NameMatch matchByName(ColumnMapping& mapping, const HeaderContext& context) {
  const std::vector<HeaderColumn> offered = mapping.headerList();
  std::vector<std::string> texts;
  texts.reserve(offered.size());
  for (const HeaderColumn& header : offered)
    texts.push_back(header.text);
  // The matching counts the offered headers; the sheet counts its columns.
  HeaderContext offeredContext{context.learned, {}, mapping.moreFieldsOffered()};
  if (context.columnValues) {
    offeredContext.columnValues = [&](std::size_t index) {
      return context.columnValues(offered[index].column);
    };
  }
  // A field no longer offered is in a pair, the user's or an earlier match's, or one of the
  // More Fields while they are not offered.
  std::set<Field> taken;
  for (std::size_t i = 0; i < kAllFieldCount; ++i) {
    const auto field = static_cast<Field>(i);
    if (!positionOf(mapping.fieldList(), field)) taken.insert(field);
  }

  NameMatch match;
  match.offered = offered.size();
  for (const auto& [index, field] : matchHeadersByName(texts, taken, offeredContext)) {
    // Each Add takes items out of the lists, so both are found afresh every time.
    const auto header = positionOf(mapping.headerList(), offered[index]);
    const auto choice = positionOf(mapping.fieldList(), field);
    if (!header || !choice) continue;
    mapping.chooseHeader(header);
    mapping.chooseField(choice);
    if (mapping.addMapping() == MappingMessage::None) ++match.paired;
  }
  return match;
}

std::vector<ColumnPair> addPairsByName(const std::vector<HeaderColumn>& headers,
                                       std::vector<ColumnPair> given,
                                       const HeaderContext& context) {
  std::set<Field> taken;
  for (const ColumnPair& pair : given)
    taken.insert(pair.field);
  std::vector<HeaderColumn> offered;
  std::vector<std::string> texts;
  for (const HeaderColumn& header : headers) {
    const bool paired = std::any_of(given.begin(), given.end(), [&](const ColumnPair& pair) {
      return pair.header.column == header.column;
    });
    if (paired || header.text.empty()) continue;
    offered.push_back(header);
    texts.push_back(header.text);
  }
  HeaderContext offeredContext{context.learned, {}, context.moreFields};
  if (context.columnValues) {
    offeredContext.columnValues = [&](std::size_t index) {
      return context.columnValues(offered[index].column);
    };
  }
  for (const auto& [index, field] : matchHeadersByName(texts, taken, offeredContext))
    given.push_back({offered[index], field});
  return given;
}

}  // namespace quillmere::core
