#pragma once

#include <string_view>

#include "source/xlsx/XmlHandler.h"

namespace quillmere::source::ods {

// Reads META-INF/manifest.xml for what it says of the package's protection: a part stored
// encrypted carries manifest:encryption-data.
class OdsManifest : public xlsx::XmlHandler {
 public:
  bool encrypted() const { return encrypted_; }

  void startElement(std::string_view name, const char**) override {
    if (name == "encryption-data") encrypted_ = true;
  }
  void endElement(std::string_view) override {}
  void text(std::string_view) override {}
  void beginReplay() override { encrypted_ = false; }

 private:
  bool encrypted_ = false;
};

}  // namespace quillmere::source::ods
