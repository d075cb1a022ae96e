#include "core/ColumnMapping.h"

namespace quillmere::core {

namespace {

std::optional<std::size_t> within(std::optional<std::size_t> index, std::size_t size) {
  return index && *index < size ? index : std::nullopt;
}

}  // namespace

void ColumnMapping::fillLists(const std::vector<HeaderColumn>& headers) {
  headerList_.clear();
  for (const HeaderColumn& header : headers) {
    if (!header.text.empty()) headerList_.push_back(header);
  }
  fieldList_.clear();
  for (std::size_t i = 0; i < (moreFields_ ? kAllFieldCount : kFieldCount); ++i)
    fieldList_.push_back(static_cast<Field>(i));
  pairs_.clear();
  selectedEntry_.reset();
  headerChoice_.reset();
  fieldChoice_.reset();
  listsEnabled_ = true;
}

void ColumnMapping::clearMapping() {
  // Each header and field goes back to its list, so every item stays in exactly one place.
  for (const ColumnPair& pair : pairs_) {
    headerList_.push_back(pair.header);
    fieldList_.push_back(pair.field);
  }
  pairs_.clear();
  selectedEntry_.reset();
  if (!headerList_.empty()) listsEnabled_ = true;
}

void ColumnMapping::offerMoreFields(bool offered) {
  if (offered == moreFields_) return;
  moreFields_ = offered;
  if (offered) {
    for (std::size_t i = kFieldCount; i < kAllFieldCount; ++i)
      fieldList_.push_back(static_cast<Field>(i));
    return;
  }
  // Removing items moves the ones after them, so the field chosen and the entry selected
  // are chosen afresh.
  std::erase_if(fieldList_, isMoreField);
  std::erase_if(pairs_, [this](const ColumnPair& pair) {
    if (isMoreField(pair.field)) headerList_.push_back(pair.header);
    return isMoreField(pair.field);
  });
  fieldChoice_.reset();
  selectedEntry_.reset();
  if (!headerList_.empty()) listsEnabled_ = true;
}

void ColumnMapping::chooseHeader(std::optional<std::size_t> index) {
  headerChoice_ = within(index, headerList_.size());
}

void ColumnMapping::chooseField(std::optional<std::size_t> index) {
  fieldChoice_ = within(index, fieldList_.size());
}

void ColumnMapping::selectEntry(std::optional<std::size_t> index) {
  selectedEntry_ = within(index, pairs_.size());
}

MappingMessage ColumnMapping::addMapping() {
  // The field is asked for first, so with neither chosen only its message shows.
  if (!fieldChoice_) return MappingMessage::SelectOutlookField;
  if (!headerChoice_) return MappingMessage::SelectExcelField;
  const auto headerAt = headerList_.begin() + static_cast<std::ptrdiff_t>(*headerChoice_);
  const auto fieldAt = fieldList_.begin() + static_cast<std::ptrdiff_t>(*fieldChoice_);
  ColumnPair pair{*headerAt, *fieldAt};
  headerList_.erase(headerAt);
  fieldList_.erase(fieldAt);
  headerChoice_.reset();
  fieldChoice_.reset();
  pairs_.push_back(std::move(pair));
  if (headerList_.empty()) listsEnabled_ = false;
  return MappingMessage::None;
}

MappingMessage ColumnMapping::removeMapping() {
  if (!selectedEntry_) return MappingMessage::SelectAddedItem;
  const auto at = pairs_.begin() + static_cast<std::ptrdiff_t>(*selectedEntry_);
  headerList_.push_back(at->header);
  fieldList_.push_back(at->field);
  pairs_.erase(at);
  selectedEntry_.reset();
  // Positions in the lists are unchanged by appending, so the choices still hold.
  if (!headerList_.empty()) listsEnabled_ = true;
  return MappingMessage::None;
}

std::string ColumnMapping::entryText(const ColumnPair& pair) {
  const std::string_view field = fieldName(pair.field);
  std::string text;
  text.reserve(pair.header.text.size() + kEntrySeparator.size() + field.size());
  text += pair.header.text;
  text += kEntrySeparator;
  text += field;
  return text;
}

std::vector<std::string> ColumnMapping::entries() const {
  std::vector<std::string> texts;
  texts.reserve(pairs_.size());
  for (const ColumnPair& pair : pairs_)
    texts.push_back(entryText(pair));
  return texts;
}

std::optional<Field> ColumnMapping::lookupField(std::uint32_t column) const {
  for (const ColumnPair& pair : pairs_) {
    if (pair.header.column == column) return pair.field;
  }
  return std::nullopt;
}

}  // namespace quillmere::core
