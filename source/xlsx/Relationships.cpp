#include "source/xlsx/Relationships.h"

#include "source/xlsx/PartPath.h"

namespace quillmere::source::xlsx {

bool Relationships::isKind(const Entry& entry, std::string_view kind) {
  const std::string_view type = entry.type;
  return type.size() > kind.size() && type.substr(type.size() - kind.size()) == kind &&
         type[type.size() - kind.size() - 1] == '/';
}

const Relationships::Entry* Relationships::byId(std::string_view id) const {
  for (const auto& entry : entries_) {
    if (entry.id == id) return &entry;
  }
  return nullptr;
}

const Relationships::Entry* Relationships::byKind(std::string_view kind) const {
  for (const auto& entry : entries_) {
    if (isKind(entry, kind) && !entry.target.empty()) return &entry;
  }
  return nullptr;
}

void Relationships::startElement(std::string_view name, const char** attributes) {
  if (name != "Relationship") return;
  Entry entry;
  entry.id = attribute(attributes, "Id").value_or("");
  entry.type = attribute(attributes, "Type").value_or("");
  const auto mode = attribute(attributes, "TargetMode").value_or("");
  if (mode != "External") {
    entry.target = resolveTarget(sourcePart_, attribute(attributes, "Target").value_or(""));
  }
  entries_.push_back(std::move(entry));
}

}  // namespace quillmere::source::xlsx
