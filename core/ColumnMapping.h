#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ContactField.h"
#include "source/load/SheetTable.h"

namespace quillmere::core {

// A header offered for pairing is its column, so two columns headed alike are two items,
// and an item given back by Remove is exactly the one that was taken.
using source::HeaderColumn;

// A column and the field its values fill; the export reads these pairs as they are.
struct ColumnPair {
  HeaderColumn header;
  Field field = Field::FirstName;
  friend bool operator==(const ColumnPair&, const ColumnPair&) = default;
};

// Whether any column of `pairs` fills `field`.
inline bool pairsField(const std::vector<ColumnPair>& pairs, Field field) {
  return std::any_of(pairs.begin(), pairs.end(),
                     [field](const ColumnPair& pair) { return pair.field == field; });
}

// What Add or Remove has to tell the user instead of acting.
enum class MappingMessage { None, SelectOutlookField, SelectExcelField, SelectAddedItem };

std::string_view messageText(MappingMessage message);

// The pairing of spreadsheet columns with contact fields, with the two pick lists that feed
// it: an item is either offered in its list or used in exactly one pair. The step-2 controls
// only display this model and forward clicks to it.
class ColumnMapping {
 public:
  // Separates the header text from the field name in a mapping entry.
  static constexpr std::string_view kEntrySeparator = "\t->\t";

  // Offers the headers with text (in the given order) and every catalogue field (in its
  // order, the More Fields after it when they are offered), drops all pairs and enables the
  // lists.
  void fillLists(const std::vector<HeaderColumn>& headers);

  // Offers the More Fields at the end of the field list, or takes them back: out of the list,
  // and out of their pairs, whose headers go back to the end of theirs.
  void offerMoreFields(bool offered);
  bool moreFieldsOffered() const { return moreFields_; }

  // Drops all pairs, and with them their entries; their headers and fields go back to the
  // end of their lists, as Remove would give them back.
  void clearMapping();

  const std::vector<HeaderColumn>& headerList() const { return headerList_; }
  const std::vector<Field>& fieldList() const { return fieldList_; }

  // The chosen item of each pick list and the selected mapping entry; nothing when none is.
  // An index out of range chooses nothing.
  void chooseHeader(std::optional<std::size_t> index);
  void chooseField(std::optional<std::size_t> index);
  void selectEntry(std::optional<std::size_t> index);
  std::optional<std::size_t> headerChoice() const { return headerChoice_; }
  std::optional<std::size_t> fieldChoice() const { return fieldChoice_; }
  std::optional<std::size_t> selectedEntry() const { return selectedEntry_; }

  // Pairs the chosen header with the chosen field; a message when a choice is missing.
  MappingMessage addMapping();
  // Undoes the selected pair, giving its header and field back to the end of their lists.
  MappingMessage removeMapping();

  // Both pick lists and Add are usable while the header list has items; the state changes
  // only when Add takes the last header or Remove gives one back.
  bool listsEnabled() const { return listsEnabled_; }

  const std::vector<ColumnPair>& pairs() const { return pairs_; }
  bool empty() const { return pairs_.empty(); }

  // The text of a mapping entry: header text, tab, "->", tab, field name.
  static std::string entryText(const ColumnPair& pair);
  std::vector<std::string> entries() const;

  // The field the given column (counted from 0) is paired with.
  std::optional<Field> lookupField(std::uint32_t column) const;

 private:
  std::vector<HeaderColumn> headerList_;
  std::vector<Field> fieldList_;
  std::vector<ColumnPair> pairs_;
  std::optional<std::size_t> headerChoice_;
  std::optional<std::size_t> fieldChoice_;
  std::optional<std::size_t> selectedEntry_;
  bool listsEnabled_ = true;
  bool moreFields_ = false;
};

}  // namespace quillmere::core
