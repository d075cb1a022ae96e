// Any sequence of choices, Add, Remove, clearing and refilling must keep the mapping whole:
// every header item and every field stands in exactly one place (its pick list or one pair),
// the entries are the pairs' texts in order, lookups answer for exactly the paired columns,
// and the lists are switched off only when the header list is empty.
// Input: a byte for the number of header columns (their texts repeat, so columns headed alike
// are common), then one byte per step: the low three bits pick the action, the rest its index.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "core/ColumnMapping.h"

namespace {

using namespace quillmere::core;

[[noreturn]] void fail(const char* what) {
  std::fprintf(stderr, "mapping broken: %s\n", what);
  std::abort();
}

std::vector<HeaderColumn> headersOf(unsigned count) {
  static const char* const kTexts[] = {"Name", "Mail", "", " Mail ", "2024", "Name"};
  std::vector<HeaderColumn> headers;
  for (unsigned c = 0; c < count; ++c) {
    headers.push_back({c, {}, kTexts[c % std::size(kTexts)] + std::to_string(c / 6 % 2 ? c : 0)});
  }
  // An empty text is never offered: make some.
  if (count > 2) headers[2].text.clear();
  return headers;
}

void check(const ColumnMapping& mapping, const std::vector<HeaderColumn>& offered) {
  std::map<std::uint32_t, int> headerPlaces;
  std::map<Field, int> fieldPlaces;
  for (const HeaderColumn& item : mapping.headerList())
    ++headerPlaces[item.column];
  for (const Field field : mapping.fieldList())
    ++fieldPlaces[field];
  for (const ColumnPair& pair : mapping.pairs()) {
    ++headerPlaces[pair.header.column];
    ++fieldPlaces[pair.field];
  }
  std::size_t withText = 0;
  for (const HeaderColumn& item : offered) {
    if (item.text.empty()) {
      if (headerPlaces.count(item.column) > 0) fail("an empty header was offered");
      continue;
    }
    ++withText;
    if (headerPlaces[item.column] != 1) fail("a header is not in exactly one place");
  }
  if (headerPlaces.size() != withText) fail("a header appeared that was never offered");
  for (std::size_t f = 0; f < kFieldCount; ++f) {
    if (fieldPlaces[static_cast<Field>(f)] != 1) fail("a field is not in exactly one place");
  }
  // Items keep their texts wherever they are.
  for (const ColumnPair& pair : mapping.pairs()) {
    if (pair.header != offered[pair.header.column]) fail("a paired header changed");
  }
  for (const HeaderColumn& item : mapping.headerList()) {
    if (item != offered[item.column]) fail("an offered header changed");
  }
  const std::vector<std::string> entries = mapping.entries();
  if (entries.size() != mapping.pairs().size()) fail("entries and pairs differ in number");
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (entries[i] != ColumnMapping::entryText(mapping.pairs()[i])) fail("an entry lies");
  }
  for (const HeaderColumn& item : offered) {
    const auto paired = std::find_if(mapping.pairs().begin(), mapping.pairs().end(),
                                     [&](const ColumnPair& p) { return p.header == item; });
    const auto field = mapping.lookupField(item.column);
    if ((paired == mapping.pairs().end()) != !field) fail("a lookup disagrees with the pairs");
    if (field && *field != paired->field) fail("a lookup gives another field");
  }
  if (!mapping.listsEnabled() && !mapping.headerList().empty()) {
    fail("the lists are off while headers are offered");
  }
  const auto inRange = [](std::optional<std::size_t> choice, std::size_t size) {
    return !choice || *choice < size;
  };
  if (!inRange(mapping.headerChoice(), mapping.headerList().size()) ||
      !inRange(mapping.fieldChoice(), mapping.fieldList().size()) ||
      !inRange(mapping.selectedEntry(), mapping.pairs().size())) {
    fail("a choice points past its list");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::vector<HeaderColumn> offered = headersOf(data[0] % 48);
  ColumnMapping mapping;
  mapping.fillLists(offered);
  check(mapping, offered);
  for (std::size_t i = 1; i < size; ++i) {
    const unsigned action = data[i] & 7u;
    const std::size_t index = data[i] >> 3;
    // Index 31 chooses nothing; anything past a list's end chooses nothing too.
    const std::optional<std::size_t> choice =
        index == 31 ? std::nullopt : std::optional<std::size_t>(index);
    switch (action) {
      case 0:
        mapping.chooseHeader(choice);
        break;
      case 1:
        mapping.chooseField(choice);
        break;
      case 2:
      case 3:
        static_cast<void>(mapping.addMapping());
        break;
      case 4:
        mapping.selectEntry(choice);
        break;
      case 5:
        static_cast<void>(mapping.removeMapping());
        break;
      case 6:
        mapping.clearMapping();
        break;
      default:
        if (index == 0) mapping.fillLists(offered);
        break;
    }
    check(mapping, offered);
  }
  return 0;
}
