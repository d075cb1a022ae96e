#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "source/xlsx/XmlHandler.h"

namespace quillmere::source::ods {

// Reads meta.xml for the number of tables the document says it has (meta:table-count, which
// LibreOffice and OpenOffice write and keep up to date).
class OdsMeta : public xlsx::XmlHandler {
 public:
  std::optional<std::size_t> tableCount() const { return tableCount_; }

  void startElement(std::string_view name, const char** attributes) override;
  void endElement(std::string_view) override {}
  void text(std::string_view) override {}
  void beginReplay() override { tableCount_.reset(); }

 private:
  std::optional<std::size_t> tableCount_;
};

}  // namespace quillmere::source::ods
