#include "core/VCardReader.h"

#include <algorithm>

#include "core/VCardValueRules.h"

namespace quillmere::core {

namespace {

std::string upper(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
  return out;
}

bool validUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    std::size_t length = c < 0x80           ? 1
                         : (c >> 5) == 0x6  ? 2
                         : (c >> 4) == 0xE  ? 3
                         : (c >> 3) == 0x1E ? 4
                                            : 0;
    if (length == 0 || i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    }
    i += length;
  }
  return true;
}

// One logical line taken apart.
class LineParser {
 public:
  LineParser(std::string_view line, bool v21, CardContent& content)
      : line_(line), v21_(v21), content_(content) {}

  // Empty when the line is sound, else what is wrong with it.
  std::string parse() {
    const std::size_t nameEnd = line_.find_first_of(";:");
    if (nameEnd == std::string_view::npos) return "has no \":\" before its value";
    if (nameEnd == 0) return "has no property name";
    CardProperty& property = content_.add(upper(line_.substr(0, nameEnd)));
    at_ = nameEnd;
    while (at_ < line_.size() && line_[at_] == ';') {
      ++at_;
      if (std::string problem = parameter(property); !problem.empty()) return problem;
    }
    if (at_ >= line_.size() || line_[at_] != ':') return "has no \":\" before its value";
    std::string value(line_.substr(at_ + 1));
    if (quotedPrintable_) {
      std::string decoded;
      if (!decodeQuotedPrintable(value, decoded)) return "holds a broken quoted-printable sequence";
      value = std::move(decoded);
    }
    if (v21_) {
      std::string asRead;
      appendAsRead(asRead, value);
      value = std::move(asRead);
    }
    ValueShape shape = binary_ ? ValueShape::Binary : shapeOf(property.name);
    if (std::string problem = split(value, shape, property); !problem.empty()) return problem;
    for (const std::string& component : property.components) {
      if (!validUtf8(component)) return "holds text that is not UTF-8";
    }
    normalise(property);
    return {};
  }

 private:
  std::string parameter(CardProperty& property) {
    const std::size_t nameEnd = line_.find_first_of("=;:", at_);
    if (nameEnd == std::string_view::npos) return "has no \":\" before its value";
    const std::string name = upper(line_.substr(at_, nameEnd - at_));
    if (name.empty()) return "has an empty parameter";
    at_ = nameEnd;
    if (line_[at_] != '=') {
      // A bare parameter: 2.1's way of giving a kind or an encoding.
      if (name == "QUOTED-PRINTABLE") {
        quotedPrintable_ = true;
      } else if (name == "BASE64") {
        binary_ = true;
      } else {
        property.types.push_back(name);
      }
      return {};
    }
    ++at_;
    std::string values;
    do {
      if (at_ < line_.size() && line_[at_] == ',') ++at_;
      std::string one;
      if (at_ < line_.size() && line_[at_] == '"') {
        const std::size_t close = line_.find('"', at_ + 1);
        if (close == std::string_view::npos) return "has a parameter whose quotes never close";
        one = caretDecoded(line_.substr(at_ + 1, close - at_ - 1));
        at_ = close + 1;
      } else {
        const std::size_t end = line_.find_first_of(",;:", at_);
        if (end == std::string_view::npos) return "has no \":\" before its value";
        one = caretDecoded(line_.substr(at_, end - at_));
        at_ = end;
      }
      if (name == "TYPE") {
        property.types.push_back(one);
      } else {
        if (!values.empty()) values += ',';
        values += one;
      }
    } while (at_ < line_.size() && line_[at_] == ',');
    if (name == "TYPE") return {};
    if (name == "CHARSET") {
      return equalsIgnoringCase(values, "UTF-8") ? "" : "names a character set other than UTF-8";
    }
    if (name == "ENCODING") {
      if (equalsIgnoringCase(values, "QUOTED-PRINTABLE") && v21_) {
        quotedPrintable_ = true;
      } else if (equalsIgnoringCase(values, "b") || equalsIgnoringCase(values, "BASE64")) {
        binary_ = true;
      } else {
        return "names an encoding its version does not define";
      }
      return {};
    }
    property.parameters.push_back(name + "=" + values);
    return {};
  }

  // RFC 6868: ^n a line break, ^' a double quote, ^^ a caret.
  std::string caretDecoded(std::string_view text) const {
    if (v21_) return std::string(text);
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '^' && i + 1 < text.size()) {
        const char next = text[i + 1];
        if (next == 'n' || next == 'N' || next == '\'' || next == '^') {
          out += next == '^' ? '^' : next == '\'' ? '"' : '\n';
          ++i;
          continue;
        }
      }
      out += text[i];
    }
    return out;
  }

  // Splits the value at its unescaped separators and undoes the escapes the version defines.
  std::string split(std::string_view value, ValueShape shape, CardProperty& property) const {
    if (shape == ValueShape::Binary) {
      // Base64 ignores white space, which 2.1's folding keeps in the value.
      std::string& bytes = property.components.emplace_back();
      for (const char c : value)
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') bytes += c;
      return {};
    }
    const char separator = shape == ValueShape::Structured ? ';'
                           : shape == ValueShape::List     ? ','
                                                           : 0;
    std::string* current = &property.components.emplace_back();
    for (std::size_t i = 0; i < value.size(); ++i) {
      const char c = value[i];
      if (separator != 0 && c == separator) {
        current = &property.components.emplace_back();
        continue;
      }
      if (c != '\\') {
        if (!v21_ && c == ';' && shape == ValueShape::Text) {
          return "holds a \";\" without the backslash its version asks for";
        }
        *current += c;
        continue;
      }
      const char next = i + 1 < value.size() ? value[i + 1] : '\0';
      if ((v21_ && shape != ValueShape::List) || shape == ValueShape::Uri) {
        // 2.1 escapes only a component's ";"; a URI only spells its line breaks.
        const bool escaped =
            v21_ ? next == ';' && shape == ValueShape::Structured : next == 'n' || next == 'N';
        *current += escaped ? (next == ';' ? ';' : '\n') : c;
        if (escaped) ++i;
        continue;
      }
      switch (next) {
        case '\\':
        case ',':
        case ';':
          *current += next;
          break;
        case 'n':
        case 'N':
          *current += '\n';
          break;
        default:
          return next == '\0' ? "ends in a lone backslash"
                              : std::string("holds the escape \\") + next +
                                    ", which its version does not define";
      }
      ++i;
    }
    return {};
  }

  std::string_view line_;
  bool v21_;
  CardContent& content_;
  std::size_t at_ = 0;
  bool quotedPrintable_ = false;
  bool binary_ = false;
};

bool isQuotedPrintableLine(std::string_view line) {
  const std::string head = upper(line.substr(0, line.find(':')));
  return head.find("QUOTED-PRINTABLE") != std::string::npos;
}

// One line of a card taken apart into a digest as the reader would see it.

}  // namespace

void VCardReader::fail(const std::string& what) const {
  throw VCardReadError("line " + std::to_string(lineNumber_) + " " + what);
}

std::optional<std::string_view> VCardReader::nextLine(bool v21) {
  const auto physical = [&]() -> std::optional<std::string_view> {
    if (at_ >= text_.size()) return std::nullopt;
    std::size_t end = text_.find("\r\n", at_);
    const std::size_t next = end == std::string_view::npos ? text_.size() : end + 2;
    if (end == std::string_view::npos) end = text_.size();
    const std::string_view line = text_.substr(at_, end - at_);
    ++lineNumber_;
    if (line.find_first_of("\r\n") != std::string_view::npos) {
      fail("holds a line break that is not CR LF");
    }
    at_ = next;
    return line;
  };
  const std::optional<std::string_view> first = physical();
  if (!first) return std::nullopt;
  const std::size_t begun = lineNumber_;
  unfolded_.assign(*first);
  const bool quotedPrintable = v21 && isQuotedPrintableLine(unfolded_);
  while (at_ < text_.size()) {
    const char lead = text_[at_];
    const bool folded = lead == ' ' || lead == '\t';
    const bool softBreak = quotedPrintable && unfolded_.ends_with('=');
    if (!folded && !softBreak) break;
    const std::string_view more = *physical();
    if (softBreak) {
      unfolded_.pop_back();
      unfolded_ += more;
    } else {
      // 2.1 keeps the white space a line was folded at; 3.0 and 4.0 drop one character.
      unfolded_ += v21 ? more : more.substr(1);
    }
  }
  lineNumber_ = begun;
  return std::string_view(unfolded_);
}

bool VCardReader::next(ReadCard& card) {
  card.content.clear();
  std::optional<std::string_view> line = nextLine(false);
  if (!line) return false;
  if (!equalsIgnoringCase(*line, "BEGIN:VCARD")) fail("is not BEGIN:VCARD");
  const std::size_t begun = lineNumber_;
  line = nextLine(false);
  if (!line || line->size() < 8 || !equalsIgnoringCase(line->substr(0, 8), "VERSION:")) {
    fail("is not the VERSION line that must follow BEGIN:VCARD");
  }
  const std::optional<VCardVersion> version = parseVCardVersion(line->substr(8));
  if (!version) fail("names version " + std::string(line->substr(8)) + ", not 2.1, 3.0 or 4.0");
  card.version = *version;
  const bool v21 = card.version == VCardVersion::V21;
  while ((line = nextLine(v21))) {
    if (equalsIgnoringCase(*line, "END:VCARD")) return true;
    // 2.1 ends a base64 value with an empty line.
    if (v21 && line->empty()) continue;
    if (std::string problem = LineParser(*line, v21, card.content).parse(); !problem.empty()) {
      fail(problem);
    }
  }
  lineNumber_ = begun;
  fail("begins a card that has no END:VCARD");
}

std::optional<std::string> readBackDifference(std::string_view record, VCardVersion version,
                                              const CardContent& written) {
  thread_local ReadCard card;
  try {
    VCardReader reader(record);
    if (!reader.next(card)) return "written, but no card reads back";
    if (card.version != version) {
      return "written, but reads back as version " + std::string(versionText(card.version)) +
             ", not " + std::string(versionText(version));
    }
  } catch (const VCardReadError& error) {
    return std::string("written, but does not read back: ") + error.what();
  }
  return difference(written, card.content);
}

}  // namespace quillmere::core
