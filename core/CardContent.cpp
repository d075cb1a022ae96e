#include "core/CardContent.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace quillmere::core {

CardProperty& CardContent::add(std::string_view name) {
  if (count_ == properties_.size()) properties_.emplace_back();
  CardProperty& property = properties_[count_++];
  property.name.assign(name);
  property.types.clear();
  property.parameters.clear();
  property.components.clear();
  return property;
}

void appendAsRead(std::string& out, std::string_view value) {
  if (value.find('\r') == std::string_view::npos) {
    out += value;
    return;
  }
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] == '\r') {
      out += '\n';
      if (i + 1 < value.size() && value[i + 1] == '\n') ++i;
    } else {
      out += value[i];
    }
  }
}

void CardContent::parameter(std::string_view name, std::string_view value) {
  std::string& parameter = current_->parameters.emplace_back(name);
  parameter += '=';
  appendAsRead(parameter, value);
}

void CardContent::component(std::initializer_list<std::string_view> pieces) {
  std::string& component = current_->components.emplace_back();
  for (const std::string_view piece : pieces)
    appendAsRead(component, piece);
}

void normalise(CardProperty& property) {
  for (std::string& type : property.types) {
    for (char& c : type)
      c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
  }
  std::sort(property.types.begin(), property.types.end());
  property.types.erase(std::unique(property.types.begin(), property.types.end()),
                       property.types.end());
  std::sort(property.parameters.begin(), property.parameters.end());
}

std::string describe(const CardProperty& property) {
  std::string text = property.name;
  for (const std::string& type : property.types) {
    text += text.size() == property.name.size() ? ";TYPE=" : ",";
    text += type;
  }
  for (const std::string& parameter : property.parameters) {
    text += ';';
    text += parameter;
  }
  bool first = true;
  for (const std::string& component : property.components) {
    text += first ? " \"" : "; \"";
    first = false;
    for (const char c : component) {
      if (c == '\n') {
        text += "\\n";
      } else {
        text += c;
      }
    }
    text += '"';
  }
  return text;
}

std::optional<std::string> difference(const CardContent& written, const CardContent& read) {
  const std::size_t common = std::min(written.size(), read.size());
  for (std::size_t i = 0; i < common; ++i) {
    if (written[i] == read[i]) continue;
    return "written, but reads back as " + describe(read[i]) + " where the row gives " +
           describe(written[i]);
  }
  if (read.size() < written.size()) {
    return "written, but " + describe(written[common]) + " does not read back";
  }
  if (read.size() > written.size()) {
    return "written, but reads back with " + describe(read[common]) + ", which the row never gave";
  }
  return std::nullopt;
}

}  // namespace quillmere::core
