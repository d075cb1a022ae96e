#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/ContactField.h"
#include "source/load/SheetPreview.h"

namespace quillmere::core {

// The field headerNameTable gives the UTF-8 header, compared through foldHeaderText; nothing
// when the table has no such name or gives it to several fields.
std::optional<Field> tableFieldForHeader(std::string_view headerText);

// The contact field a column header names on its own, from the table or else from the words
// it is made of; nothing when it names no field, could name several, or means a field only
// in some rows ("Address", "Estado", Google's "Phone 1 - Value"). A More Field only when
// `moreFields` is set.
std::optional<Field> fieldForHeader(std::string_view headerText, bool moreFields = false);

// What the sheet and the user's own earlier pairs tell the matching beyond the header texts.
struct HeaderContext {
  // Header texts the user once paired by hand, keyed by learnedHeaderKey, with their fields:
  // they pair so again ahead of everything else.
  std::map<std::string, Field> learned;
  // The values of the column at a header's index in the sheet's first rows; none when unset.
  std::function<std::vector<std::string>(std::size_t)> columnValues;
  // Pair headers with the More Fields too (birthday, nickname, pager...).
  bool moreFields = false;
};

// The values each column holds in the rows `preview` keeps under its header row, for a
// HeaderContext; `preview` must outlive what is returned.
std::function<std::vector<std::string>(std::size_t)> columnValuesOf(
    const source::SheetPreview& preview);

// The key a learned pair is kept under, so "E-mail" and "EMAIL" are learned alike.
std::string learnedHeaderKey(std::string_view headerText);

// Pairs of (index into headers, field) for every header that names a field not in
// alreadyMapped, in header order. Each field is taken at most once: by the left-most header
// that names it plainly, else by the left-most that may mean it. The row settles what one
// header cannot: the home or work of an address column from the address columns before it,
// a whole-address column's field from whether its street has a column of its own, a bare
// "Title" from whether a job-title column exists, and a Google numbered column's field from
// the most common value of its Type column, and a birthday column from whether the row
// splits the date into a year, a month and a day column.
std::vector<std::pair<std::size_t, Field>> matchHeadersByName(std::span<const std::string> headers,
                                                              const std::set<Field>& alreadyMapped,
                                                              const HeaderContext& context = {});

}  // namespace quillmere::core
