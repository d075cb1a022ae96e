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

void CardDigest::Stream::word(std::uint64_t word) {
  hash_ = (hash_ ^ word) * 0x9e3779b97f4a7c15ULL;
  hash_ ^= hash_ >> 29;
}

void CardDigest::Stream::addByte(unsigned char byte) {
  carry_ |= std::uint64_t{byte} << (8 * carried_);
  ++length_;
  if (++carried_ == 8) {
    word(carry_);
    carry_ = 0;
    carried_ = 0;
  }
}

void CardDigest::Stream::add(std::string_view run) {
  std::size_t i = 0;
  while (i < run.size() && carried_ != 0)
    addByte(static_cast<unsigned char>(run[i++]));
  for (; i + 8 <= run.size(); i += 8) {
    std::uint64_t w;
    std::memcpy(&w, run.data() + i, 8);
    word(w);
    length_ += 8;
  }
  while (i < run.size())
    addByte(static_cast<unsigned char>(run[i++]));
}

std::uint64_t CardDigest::Stream::finish() {
  if (carried_ != 0) word(carry_);
  const std::uint64_t result = (hash_ ^ length_) * 0xff51afd7ed558ccdULL;
  *this = Stream();
  return result ^ (result >> 32);
}

namespace {

// One multiplication and a rotation: enough to tell a card read back otherwise from the one
// written, which is all the digest is for; it is no defence against made-up collisions.
std::uint64_t fold(std::uint64_t hash, std::uint64_t value) {
  const std::uint64_t x = (hash ^ value) * 0x9e3779b97f4a7c15ULL;
  return (x << 27) | (x >> 37);
}

}  // namespace

void CardDigest::addAsRead(Stream& stream, std::string_view run, bool& pendingCr) {
  if (pendingCr) {
    stream.addByte('\n');
    pendingCr = false;
    if (!run.empty() && run.front() == '\n') run.remove_prefix(1);
  }
  for (std::size_t cr = run.find('\r'); cr != std::string_view::npos; cr = run.find('\r')) {
    stream.add(run.substr(0, cr));
    if (cr + 1 == run.size()) {
      pendingCr = true;
      return;
    }
    stream.addByte('\n');
    run.remove_prefix(cr + (run[cr + 1] == '\n' ? 2 : 1));
  }
  stream.add(run);
}

namespace {

// A short name or kind, upper-cased, in one word: properties and kinds are mostly that.
std::optional<std::uint64_t> shortWord(std::string_view text) {
  if (text.size() > 7) return std::nullopt;
  std::uint64_t word = text.size();
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const auto upper = static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    word |= std::uint64_t{upper} << (8 * (i + 1));
  }
  return word * 0xff51afd7ed558ccdULL;
}

}  // namespace

void CardDigest::property(std::string_view name) {
  if (const auto word = shortWord(name)) {
    name_ = *word;
  } else {
    Stream stream;
    stream.add(name);
    name_ = stream.finish();
  }
  types_ = parameters_ = 0;
  components_ = 0x452821e638d01377ULL;
}

void CardDigest::type(std::string_view type) {
  // A sum, so the kinds may come in any order.
  if (const auto word = shortWord(type)) {
    types_ += *word;
    return;
  }
  Stream stream;
  for (const char c : type)
    stream.addByte(static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c));
  // A sum, so the kinds may come in any order.
  types_ += stream.finish();
}

void CardDigest::parameter(std::string_view name, std::string_view value) {
  Stream stream;
  stream.add(name);
  stream.addByte('=');
  bool pendingCr = false;
  addAsRead(stream, value, pendingCr);
  if (pendingCr) stream.addByte('\n');
  parameters_ += stream.finish();
}

void CardDigest::beginComponent() {
  pendingCr_ = false;
}

void CardDigest::bytes(std::string_view run) {
  addAsRead(component_, run, pendingCr_);
}

void CardDigest::endComponent() {
  if (pendingCr_) component_.addByte('\n');
  pendingCr_ = false;
  components_ = fold(components_, component_.finish());
}

void CardDigest::component(std::initializer_list<std::string_view> pieces) {
  beginComponent();
  for (const std::string_view piece : pieces)
    bytes(piece);
  endComponent();
}

void CardDigest::endProperty() {
  const std::uint64_t property =
      fold(fold(fold(name_, types_ * 0x13198a2e03707345ULL), parameters_ * 0xa4093822299f31d1ULL),
           components_);
  card_ = fold(card_, property);
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
