#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "source/xlsx/XmlHandler.h"

namespace quillmere::source::xlsx {

// The relationships of one part (a .rels part), with targets resolved to part names.
class Relationships : public XmlHandler {
 public:
  struct Entry {
    std::string id;
    std::string type;
    std::string target;  // a part name; empty for an external target
  };

  // `sourcePart` is the part these relationships belong to, "" for the package.
  explicit Relationships(std::string sourcePart) : sourcePart_(std::move(sourcePart)) {}

  const Entry* byId(std::string_view id) const;

  // The first relationship whose type ends in "/<kind>", so that the transitional and the
  // Strict type URIs both match.
  const Entry* byKind(std::string_view kind) const;

  static bool isKind(const Entry& entry, std::string_view kind);

  const std::vector<Entry>& entries() const { return entries_; }

  void startElement(std::string_view name, const char** attributes) override;
  void endElement(std::string_view) override {}
  void text(std::string_view) override {}

 private:
  std::string sourcePart_;
  std::vector<Entry> entries_;
};

}  // namespace quillmere::source::xlsx
