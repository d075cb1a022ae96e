#include "core/VCardQuickRead.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>

#include "core/CardBytes.h"
#include "core/CardDigest.h"
#include "core/VCardValueRules.h"

namespace quillmere::core {

namespace {

class QuickLine {
 public:
  QuickLine(std::string_view line, bool v21, const CardBytes& bytes, CardDigest& digest)
      : line_(line), v21_(v21), bytes_(bytes), digest_(digest) {}

  // The head of the `index`th line after VERSION as the card before read it. Cards of one
  // sheet mostly repeat their heads line for line, and a head the same to the byte reads the
  // same, so its name, kinds and parameters are hashed once.
  struct KnownHead {
    std::string text;  // up to its ':'
    ValueShape shape = ValueShape::Text;
    bool quotedPrintable = false;
    bool binary = false;
    bool v21 = false;  // 2.1 reads some heads otherwise
  };

  bool take(KnownHead& known, std::size_t index) {
    std::size_t at = known.text.size();
    if (at != 0 && known.v21 == v21_ && at < line_.size() && line_[at] == ':' &&
        line_.starts_with(known.text) && digest_.knownHead(index)) {
      quotedPrintable_ = known.quotedPrintable;
      binary_ = known.binary;
    } else {
      known.text.clear();
      if (!head(at)) return false;
      known.text.assign(line_.substr(0, at));
      known.shape = shapeOf(line_.substr(0, nameEnd_));
      known.quotedPrintable = quotedPrintable_;
      known.binary = binary_;
      known.v21 = v21_;
      digest_.remember(index);
    }
    return value(line_.substr(at + 1), known.shape);
  }

 private:
  // Reads the name and parameters up to the ':' at `at`.
  bool head(std::size_t& at) {
    at = 0;
    while (at < line_.size() && line_[at] != ';' && line_[at] != ':') {
      if (line_[at] >= 'a' && line_[at] <= 'z') return false;
      ++at;
    }
    if (at == 0 || at == line_.size()) return false;
    nameEnd_ = at;
    digest_.property(line_.substr(0, at));
    while (at < line_.size() && line_[at] == ';') {
      if (!parameter(++at)) return false;
    }
    return at < line_.size() && line_[at] == ':';
  }

  bool value(std::string_view value, ValueShape shape) {
    if (quotedPrintable_) {
      if (!decodeQuotedPrintable(value, decoded)) return false;
      value = decoded;
    }
    if (binary_) {
      // Base64 ignores white space, which 2.1's folding keeps in the value.
      decoded.clear();
      for (const char c : value)
        if (c != ' ' && c != '\t') decoded += c;
      digest_.component(decoded);
      digest_.endProperty();
      return true;
    }
    // Lines are cut at each CR, so only a decoded value can hold one.
    digest_.runsMayHoldCr(quotedPrintable_);
    if (!components(value, shape)) return false;
    digest_.endProperty();
    return true;
  }

  // Where the first of `stops`, or `last`, is from `at`; a loop of compares, as parameters
  // are a few bytes long and a call to look for each byte would cost more than the look.
  static std::size_t until(std::string_view text, std::size_t at, char stop, char also, char last) {
    while (at < text.size() && text[at] != stop && text[at] != also && text[at] != last)
      ++at;
    return at;
  }

  bool parameter(std::size_t& at) {
    const std::size_t nameEnd = until(line_, at, '=', ';', ':');
    if (nameEnd == line_.size() || nameEnd == at) return false;
    const std::string_view name = line_.substr(at, nameEnd - at);
    at = nameEnd;
    if (line_[at] != '=') {
      if (name == "QUOTED-PRINTABLE") {
        quotedPrintable_ = true;
      } else {
        digest_.type(name);
      }
      return true;
    }
    ++at;
    if (at < line_.size() && line_[at] == '"') {
      const std::size_t close = line_.find('"', at + 1);
      if (close == std::string_view::npos || v21_) return false;
      thread_local std::string text;
      text.clear();
      const std::string_view quoted = line_.substr(at + 1, close - at - 1);
      for (std::size_t i = 0; i < quoted.size(); ++i) {
        const char next = i + 1 < quoted.size() ? quoted[i + 1] : '\0';
        if (quoted[i] == '^' && (next == 'n' || next == 'N' || next == '\'' || next == '^')) {
          text += next == '^' ? '^' : next == '\'' ? '"' : '\n';
          ++i;
        } else {
          text += quoted[i];
        }
      }
      at = close + 1;
      if (name == "TYPE" || name == "CHARSET" || name == "ENCODING") return false;
      digest_.parameter(name, text);
      return true;
    }
    const std::size_t end = until(line_, at, ';', ':', ':');
    if (end == line_.size()) return false;
    const std::string_view values = line_.substr(at, end - at);
    at = end;
    if (name == "TYPE") {
      for (std::size_t from = 0; from <= values.size();) {
        const std::size_t comma = std::min(values.find(',', from), values.size());
        digest_.type(values.substr(from, comma - from));
        from = comma + 1;
      }
      return true;
    }
    if (name == "CHARSET") return equalsIgnoringCase(values, "UTF-8");
    if (name == "ENCODING") {
      quotedPrintable_ = v21_ && equalsIgnoringCase(values, "QUOTED-PRINTABLE");
      binary_ = equalsIgnoringCase(values, "b") || equalsIgnoringCase(values, "BASE64");
      return quotedPrintable_ || binary_;
    }
    if (values.find(',') != std::string_view::npos) return false;
    digest_.parameter(name, values);
    return true;
  }

  // Feeds the value's components to the digest in runs between the bytes that need work.
  bool components(std::string_view value, ValueShape shape) {
    const char separator = shape == ValueShape::Structured ? ';'
                           : shape == ValueShape::List     ? ','
                                                           : '\0';
    const bool v21Plain = v21_ && shape != ValueShape::List;
    digest_.beginComponent();
    std::size_t run = 0;
    for (std::size_t i = bytes_.nextSpecial(value, 0); i < value.size();
         i = bytes_.nextSpecial(value, i + 1)) {
      const char c = value[i];
      if (c != '\\' && c != separator) {
        // 3.0 and 4.0 escape a semicolon in any text.
        if (c == ';' && !v21_ && shape != ValueShape::Uri) return false;
        continue;
      }
      digest_.bytes(value.substr(run, i - run));
      run = i + 1;
      if (c == separator) {
        digest_.endComponent();
        digest_.beginComponent();
        continue;
      }
      const char next = i + 1 < value.size() ? value[i + 1] : '\0';
      if (v21Plain || shape == ValueShape::Uri) {
        const bool escaped =
            v21_ ? next == ';' && shape == ValueShape::Structured : next == 'n' || next == 'N';
        if (!escaped) {
          digest_.bytes("\\");
          continue;
        }
        digest_.bytes(next == ';' ? ";" : "\n");
      } else if (next == '\\' || next == ',' || next == ';') {
        digest_.bytes(value.substr(i + 1, 1));
      } else if (next == 'n' || next == 'N') {
        digest_.bytes("\n");
      } else {
        return false;
      }
      ++i;
      run = i + 1;
    }
    digest_.bytes(value.substr(run));
    digest_.endComponent();
    return true;
  }

  // Kept from line to line and card to card, for the values that must be decoded first.
  static thread_local std::string decoded;

  std::string_view line_;
  bool v21_;
  const CardBytes& bytes_;
  CardDigest& digest_;
  std::size_t nameEnd_ = 0;
  bool quotedPrintable_ = false;
  bool binary_ = false;
};

thread_local std::string QuickLine::decoded;

}  // namespace

std::optional<std::uint64_t> quickCardDigest(std::string_view record, VCardVersion version) {
  const bool v21 = version == VCardVersion::V21;
  thread_local CardDigest digest;
  thread_local std::string unfolded;
  thread_local CardBytes bytes;
  thread_local std::array<QuickLine::KnownHead, 64> heads;
  digest.clear();
  bytes.classify(record);
  // Every line break is CR LF: a line ends at the first CR or LF, which must be a CR with its
  // LF; a card that breaks a line otherwise is left to the reader, to say where.
  std::size_t at = 0;
  bool broken = false;
  const auto physical = [&]() -> std::string_view {
    const std::size_t end = bytes.nextBreak(at);
    const std::string_view line = record.substr(at, end - at);
    if (end == record.size()) {
      at = end;
    } else if (record[end] == '\r' && end + 1 < record.size() && record[end + 1] == '\n') {
      at = end + 2;
    } else {
      broken = true;
      at = record.size();
    }
    return line;
  };
  if (physical() != "BEGIN:VCARD") return std::nullopt;
  const std::string_view versionLine = physical();
  if (!versionLine.starts_with("VERSION:") || versionLine.substr(8) != versionText(version))
    return std::nullopt;
  for (std::size_t index = 0; at < record.size(); ++index) {
    std::string_view line = physical();
    const bool quotedPrintable =
        v21 && line.substr(0, line.find(':')).find("QUOTED-PRINTABLE") != std::string_view::npos;
    bool joined = false;
    while (at < record.size()) {
      const char lead = record[at];
      const bool softBreak = quotedPrintable && line.ends_with('=');
      if (lead != ' ' && lead != '\t' && !softBreak) break;
      if (!joined) unfolded.assign(line);
      joined = true;
      const std::string_view more = physical();
      if (softBreak) {
        unfolded.pop_back();
        unfolded += more;
      } else {
        unfolded += v21 ? more : more.substr(1);
      }
      line = unfolded;
    }
    // 2.1 ends a base64 value with an empty line.
    if (v21 && line.empty()) continue;
    if (line == "END:VCARD") {
      return at >= record.size() && !broken ? std::optional(digest.value()) : std::nullopt;
    }
    thread_local QuickLine::KnownHead unknown;
    if (!QuickLine(line, v21, bytes, digest)
             .take(index < heads.size() ? heads[index] : unknown, index))
      return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace quillmere::core
