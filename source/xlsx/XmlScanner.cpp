#include "source/xlsx/XmlScanner.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "source/xlsx/PlainBytes.h"
#include "source/xlsx/TextEscapes.h"

namespace quillmere::source::xlsx {

namespace {

// What a byte may be where it stands. Bytes from 0x80 up start a UTF-8 sequence, checked on
// its own; ASCII control characters other than tab, line feed and carriage return, and DEL
// (which XML allows but no workbook holds), send the part to expat.
enum ByteClass : std::uint8_t {
  kValid = 1,       // a character XML allows
  kNameStart = 2,   // may start a name
  kNameChar = 4,    // may go on a name
  kTextPlain = 8,   // text that needs no decoding and ends nothing
  kValuePlain = 16  // the same in an attribute value, quotes excepted
};

constexpr std::array<std::uint8_t, 256> makeClasses() {
  std::array<std::uint8_t, 256> classes{};
  for (int c = 0x20; c < 0x7F; ++c)
    classes[c] = kValid | kTextPlain | kValuePlain;
  for (int c : {'\t', '\n', '\r'})
    classes[c] = kValid;
  classes['\t'] |= kTextPlain;
  classes['\n'] |= kTextPlain;
  for (int c : {'<', '&', ']'})
    classes[c] &= static_cast<std::uint8_t>(~kTextPlain);
  for (int c : {'<', '&', '"', '\''})
    classes[c] &= static_cast<std::uint8_t>(~kValuePlain);
  for (int c = 'a'; c <= 'z'; ++c)
    classes[c] |= kNameStart | kNameChar;
  for (int c = 'A'; c <= 'Z'; ++c)
    classes[c] |= kNameStart | kNameChar;
  for (int c : {'_', ':'})
    classes[c] |= kNameStart | kNameChar;
  for (int c = '0'; c <= '9'; ++c)
    classes[c] |= kNameChar;
  for (int c : {'-', '.'})
    classes[c] |= kNameChar;
  return classes;
}

constexpr std::array<std::uint8_t, 256> kClasses = makeClasses();

bool is(char c, ByteClass kind) {
  return (kClasses[static_cast<unsigned char>(c)] & kind) != 0;
}

bool isSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool isXmlChar(std::uint32_t c) {
  return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
         (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

// Whether `text` is `word` in any mix of cases.
bool equalsFolded(std::string_view text, std::string_view word) {
  if (text.size() != word.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != word[i]) return false;
  }
  return true;
}

}  // namespace

XmlScanner::XmlScanner(XmlHandler& handler, std::size_t chunkBytes, int maxDepth)
    : handler_(handler), chunkBytes_(std::max<std::size_t>(chunkBytes, 1)), maxDepth_(maxDepth) {}

void XmlScanner::reset(PartSource* source) {
  source_ = source;
  base_ = nullptr;
  pos_ = end_ = 0;
  piece_ = {};
  inCarry_ = softEnd_ = false;
  pieceAt_ = copied_ = 0;
  sourceEnded_ = false;
  start_ = Start::Nothing;
  place_ = Place::Prolog;
  openNames_.clear();
  openStarts_.clear();
}

std::span<char> XmlScanner::borrowPiece() {
  if (sourceEnded_) return {};
  const std::span<char> piece = source_->borrow(chunkBytes_);
  if (piece.empty()) {
    sourceEnded_ = true;
  } else {
    piece_ = piece;
  }
  return piece;
}

bool XmlScanner::reserveCarry(std::size_t bytes) {
  if (bytes <= carryCapacity_) return true;
  const std::size_t capacity = std::max(carryCapacity_ * 2, std::max<std::size_t>(bytes, 4096));
  auto grown = std::make_unique_for_overwrite<char[]>(capacity);
  if (end_ > 0 && inCarry_) std::memcpy(grown.get(), carry_.get(), end_);
  carry_ = std::move(grown);
  carryCapacity_ = capacity;
  if (inCarry_) base_ = carry_.get();
  return true;
}

bool XmlScanner::refill() {
  if (!inCarry_) {
    const std::size_t tail = end_ - pos_;
    if (tail == 0) {
      const std::span<char> piece = borrowPiece();
      if (piece.empty()) return false;
      base_ = piece.data();
      pos_ = 0;
      end_ = piece.size();
      return true;
    }
    // The construct at pos_ goes on in the next piece: copy it out while this one is valid.
    reserveCarry(tail);
    std::memcpy(carry_.get(), base_ + pos_, tail);
    base_ = carry_.get();
    inCarry_ = true;
    pos_ = 0;
    end_ = tail;
    pieceAt_ = 0;
    copied_ = piece_.size();
  }
  return extendCarry();
}

bool XmlScanner::extendCarry() {
  if (pos_ > 0) {
    std::memmove(carry_.get(), carry_.get() + pos_, end_ - pos_);
    end_ -= pos_;
    pieceAt_ -= std::min(pieceAt_, pos_);
    pos_ = 0;
  }
  if (end_ >= kMaxConstructBytes) return false;
  // A construct still open is scanned again from its start: adding at least as much again as
  // it holds keeps that linear, and a little more than a short one needs keeps copies short.
  constexpr std::size_t kLeastStepBytes = 256;
  const std::size_t want = std::max(end_, kLeastStepBytes);
  std::size_t added = 0;
  while (added < want) {
    if (copied_ == piece_.size()) {
      if (borrowPiece().empty()) break;
      pieceAt_ = end_;
      copied_ = 0;
    }
    const std::size_t count = std::min(want - added, piece_.size() - copied_);
    reserveCarry(end_ + count);
    std::memcpy(carry_.get() + end_, piece_.data() + copied_, count);
    copied_ += count;
    end_ += count;
    added += count;
  }
  softEnd_ = copied_ < piece_.size();
  return added > 0;
}

void XmlScanner::leaveCarry() {
  base_ = piece_.data();
  pos_ -= pieceAt_;
  end_ = piece_.size();
  inCarry_ = softEnd_ = false;
}

XmlScanner::Result XmlScanner::scan() {
  for (;;) {
    if (pos_ == end_ && !refill()) {
      return place_ == Place::Epilog ? Result::Ended : Result::GaveUp;
    }
    Step step;
    if (base_[pos_] == '<') {
      step = markup();
    } else if (place_ == Place::Content) {
      step = text();
    } else {
      step = misc();
    }
    if (step == Step::More) {
      // The part ends inside a construct, or the construct outgrows the buffer.
      if (!refill()) return Result::GaveUp;
      continue;
    }
    if (step == Step::GiveUp) return Result::GaveUp;
    if (inCarry_ && pos_ >= pieceAt_) leaveCarry();
    if (handler_.attention_) {
      // A refusal is left to expat, which reads the part again and refuses it the same way.
      if (handler_.failure_) return Result::GaveUp;
      handler_.attention_ = false;
      if (handler_.pauseRequested_) {
        handler_.pauseRequested_ = false;
        return Result::Paused;
      }
    }
  }
}

int XmlScanner::character(const char* p) const {
  const auto* u = reinterpret_cast<const unsigned char*>(p);
  const unsigned lead = u[0];
  if (lead < 0x80) return (kClasses[lead] & kValid) != 0 ? 1 : -1;
  int length = 0;
  unsigned low = 0x80, high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead == 0xE0) {
    length = 3;
    low = 0xA0;
  } else if (lead == 0xED) {
    length = 3;  // no UTF-16 surrogates
    high = 0x9F;
  } else if (lead >= 0xE1 && lead <= 0xEF) {
    length = 3;
  } else if (lead == 0xF0) {
    length = 4;
    low = 0x90;
  } else if (lead >= 0xF1 && lead <= 0xF3) {
    length = 4;
  } else if (lead == 0xF4) {
    length = 4;
    high = 0x8F;
  } else {
    return -1;
  }
  if (static_cast<std::size_t>(base_ + end_ - p) < static_cast<std::size_t>(length)) {
    return 0;
  }
  if (u[1] < low || u[1] > high) return -1;
  for (int i = 2; i < length; ++i) {
    if (u[i] < 0x80 || u[i] > 0xBF) return -1;
  }
  // U+FFFE and U+FFFF are no characters of XML.
  if (lead == 0xEF && u[1] == 0xBF && u[2] >= 0xBE) return -1;
  return length;
}

int XmlScanner::reference(const char* p, char* out, int& written) const {
  const char* const limit = base_ + end_;
  const char* q = p + 1;
  if (q == limit) return 0;
  if (*q == '#') {
    ++q;
    if (q == limit) return 0;
    const bool hex = *q == 'x';
    if (hex) ++q;
    const char* const digits = q;
    std::uint32_t value = 0;
    for (; q < limit; ++q) {
      const char c = *q;
      std::uint32_t digit;
      if (c >= '0' && c <= '9') {
        digit = static_cast<std::uint32_t>(c - '0');
      } else if (hex && c >= 'a' && c <= 'f') {
        digit = static_cast<std::uint32_t>(c - 'a' + 10);
      } else if (hex && c >= 'A' && c <= 'F') {
        digit = static_cast<std::uint32_t>(c - 'A' + 10);
      } else {
        break;
      }
      value = value * (hex ? 16 : 10) + digit;
      if (value > 0x10FFFF) return -1;
    }
    if (q == limit) return 0;
    if (q == digits || *q != ';' || !isXmlChar(value)) return -1;
    written = static_cast<int>(putUtf8(out, static_cast<char32_t>(value)));
    return static_cast<int>(q + 1 - p);
  }
  // The five entities every document has; any other needs a declaration, which goes to expat.
  while (q < limit && q - p <= 4 && ((*q >= 'a' && *q <= 'z')))
    ++q;
  if (q == limit) return 0;
  if (*q != ';') return -1;
  const std::string_view name(p + 1, static_cast<std::size_t>(q - p - 1));
  char c;
  if (name == "lt") {
    c = '<';
  } else if (name == "gt") {
    c = '>';
  } else if (name == "amp") {
    c = '&';
  } else if (name == "quot") {
    c = '"';
  } else if (name == "apos") {
    c = '\'';
  } else {
    return -1;
  }
  out[0] = c;
  written = 1;
  return static_cast<int>(q + 1 - p);
}

XmlScanner::Step XmlScanner::markup() {
  const char* const p = base_ + pos_;
  const std::size_t available = end_ - pos_;
  if (available < 2) return Step::More;
  Step step;
  switch (p[1]) {
    case '/':
      step = endTag();
      break;
    case '?':
      step = instruction();
      break;
    case '!':
      if (available < 4) return Step::More;
      if (p[2] == '-' && p[3] == '-') {
        step = comment();
      } else if (p[2] == '[' && place_ == Place::Content) {
        if (available < 9) return Step::More;
        if (std::memcmp(p, "<![CDATA[", 9) != 0) return Step::GiveUp;
        step = cdata();
      } else {
        // A document type declaration, or something not well-formed.
        return Step::GiveUp;
      }
      break;
    default:
      // A handler may read the elements it knows best itself, in one pass.
      if (handler_.takesElements_ && place_ == Place::Content &&
          openStarts_.size() + 2 <= static_cast<std::size_t>(maxDepth_)) {
        if (const std::size_t took = handler_.takeElement(base_ + pos_, base_ + end_)) {
          pos_ += took;
          step = Step::Done;
          break;
        }
      }
      step = startTag();
      break;
  }
  if (step == Step::Done) start_ = Start::Past;
  return step;
}

XmlScanner::Step XmlScanner::startTag() {
  if (place_ == Place::Epilog) return Step::GiveUp;
  char* const base = base_;
  const char* const limit = base + end_;
  const char* p = base + pos_ + 1;
  if (!is(*p, kNameStart)) return Step::GiveUp;
  const char* const name = p;
  const char* local = *p == ':' ? p + 1 : p;
  for (++p; p < limit && is(*p, kNameChar); ++p) {
    if (*p == ':') local = p + 1;
  }
  if (p == limit) return Step::More;
  const char* const nameEnd = p;
  attributes_.clear();
  bool empty = false;
  for (;;) {
    const char* const spaces = p;
    while (p < limit && isSpace(*p))
      ++p;
    if (p == limit) return Step::More;
    if (*p == '>') {
      ++p;
      break;
    }
    if (*p == '/') {
      if (p + 1 == limit) return Step::More;
      if (p[1] != '>') return Step::GiveUp;
      empty = true;
      p += 2;
      break;
    }
    // Attributes are set apart by white space.
    if (p == spaces || !is(*p, kNameStart)) return Step::GiveUp;
    Attribute attribute;
    attribute.name = static_cast<std::size_t>(p - base);
    for (++p; p < limit && is(*p, kNameChar); ++p) {
    }
    if (p == limit) return Step::More;
    attribute.nameEnd = static_cast<std::size_t>(p - base);
    while (p < limit && isSpace(*p))
      ++p;
    if (p == limit) return Step::More;
    if (*p != '=') return Step::GiveUp;
    for (++p; p < limit && isSpace(*p); ++p) {
    }
    if (p == limit) return Step::More;
    const char quote = *p;
    if (quote != '"' && quote != '\'') return Step::GiveUp;
    attribute.value = static_cast<std::size_t>(++p - base);
    for (;;) {
      p = plain::skipValue(p, limit);
      if (p == limit) return Step::More;
      const char c = *p;
      if (c == quote) break;
      if (c == '"' || c == '\'') {
        ++p;
      } else if (c == '<') {
        return Step::GiveUp;
      } else if (c == '&') {
        char decoded[4];
        int written = 0;
        const int took = reference(p, decoded, written);
        if (took == 0) return Step::More;
        if (took < 0) return Step::GiveUp;
        attribute.plain = false;
        p += took;
      } else if (c == '\t' || c == '\n' || c == '\r') {
        attribute.plain = false;
        ++p;
      } else {
        const int length = character(p);
        if (length == 0) return Step::More;
        if (length < 0) return Step::GiveUp;
        p += length;
      }
    }
    attribute.valueEnd = static_cast<std::size_t>(p - base);
    ++p;
    attributes_.push_back(attribute);
  }

  // The whole tag is in the buffer: check what expat checks once a tag is complete.
  const auto depth = static_cast<int>(openStarts_.size());
  if (depth + 1 > maxDepth_) return Step::GiveUp;
  for (std::size_t i = 0; i < attributes_.size(); ++i) {
    const std::string_view a(base + attributes_[i].name,
                             attributes_[i].nameEnd - attributes_[i].name);
    for (std::size_t j = i + 1; j < attributes_.size(); ++j) {
      if (a == std::string_view(base + attributes_[j].name,
                                attributes_[j].nameEnd - attributes_[j].name)) {
        return Step::GiveUp;
      }
    }
  }
  pos_ = static_cast<std::size_t>(p - base);
  place_ = Place::Content;
  const std::string_view localName(local, static_cast<std::size_t>(nameEnd - local));
  attributePointers_.clear();
  for (const Attribute& attribute : attributes_) {
    base[attribute.nameEnd] = '\0';
    decodeValue(base + attribute.value, base + attribute.valueEnd, attribute.plain);
    attributePointers_.push_back(base + attribute.name);
    attributePointers_.push_back(base + attribute.value);
  }
  attributePointers_.push_back(nullptr);
  handler_.startElement(localName, attributePointers_.data());
  if (empty) {
    // Expat reports the end of an empty element with its start, pause or no pause.
    if (!handler_.failed()) handler_.endElement(localName);
    if (depth == 0) place_ = Place::Epilog;
  } else {
    openStarts_.push_back(openNames_.size());
    openNames_.append(name, static_cast<std::size_t>(nameEnd - name));
  }
  return Step::Done;
}

void XmlScanner::decodeValue(char* begin, char* end, bool plain) {
  if (plain) {
    *end = '\0';
    return;
  }
  char* out = begin;
  for (char* p = begin; p < end;) {
    const char c = *p;
    if (c == '&') {
      int written = 0;
      p += reference(p, out, written);
      out += written;
    } else if (c == '\r') {
      // A line end is one space, whether CR LF, CR or LF.
      *out++ = ' ';
      p += p + 1 < end && p[1] == '\n' ? 2 : 1;
    } else {
      *out++ = c == '\t' || c == '\n' ? ' ' : c;
      ++p;
    }
  }
  *out = '\0';
}

XmlScanner::Step XmlScanner::endTag() {
  if (place_ != Place::Content) return Step::GiveUp;
  const char* const base = base_;
  const char* const limit = base + end_;
  const char* p = base + pos_ + 2;
  if (p == limit) return Step::More;
  if (!is(*p, kNameStart)) return Step::GiveUp;
  const char* const name = p;
  const char* local = *p == ':' ? p + 1 : p;
  for (++p; p < limit && is(*p, kNameChar); ++p) {
    if (*p == ':') local = p + 1;
  }
  const char* const nameEnd = p;
  while (p < limit && isSpace(*p))
    ++p;
  if (p == limit) return Step::More;
  if (*p != '>') return Step::GiveUp;
  const std::size_t open = openStarts_.back();
  if (std::string_view(openNames_).substr(open) !=
      std::string_view(name, static_cast<std::size_t>(nameEnd - name))) {
    return Step::GiveUp;
  }
  openNames_.resize(open);
  openStarts_.pop_back();
  if (openStarts_.empty()) place_ = Place::Epilog;
  pos_ = static_cast<std::size_t>(p + 1 - base);
  handler_.endElement(std::string_view(local, static_cast<std::size_t>(nameEnd - local)));
  return Step::Done;
}

XmlScanner::Step XmlScanner::comment() {
  const char* const base = base_;
  const char* const limit = base + end_;
  const char* p = base + pos_ + 4;
  for (;;) {
    while (p < limit && *p != '-' && is(*p, kTextPlain))
      ++p;
    if (p == limit) return Step::More;
    if (*p == '-') {
      if (limit - p < 3) return Step::More;
      if (p[1] == '-') {
        // Two hyphens end a comment and may stand nowhere else in it.
        if (p[2] != '>') return Step::GiveUp;
        pos_ = static_cast<std::size_t>(p + 3 - base);
        return Step::Done;
      }
      ++p;
      continue;
    }
    const int length = character(p);
    if (length == 0) return Step::More;
    if (length < 0) return Step::GiveUp;
    p += length;
  }
}

XmlScanner::Step XmlScanner::instruction() {
  const char* const base = base_;
  const char* const limit = base + end_;
  const char* p = base + pos_ + 2;
  if (p == limit) return Step::More;
  if (!is(*p, kNameStart)) return Step::GiveUp;
  const char* const target = p;
  for (++p; p < limit && is(*p, kNameChar); ++p) {
  }
  if (p == limit) return Step::More;
  const std::string_view name(target, static_cast<std::size_t>(p - target));
  if (equalsFolded(name, "xml")) {
    // Only the declaration at the very start may be called so.
    if (name != "xml" || start_ == Start::Past) return Step::GiveUp;
    return declaration();
  }
  if (*p == '?') {
    if (p + 1 == limit) return Step::More;
    if (p[1] != '>') return Step::GiveUp;
    pos_ = static_cast<std::size_t>(p + 2 - base);
    return Step::Done;
  }
  if (!isSpace(*p)) return Step::GiveUp;
  for (;;) {
    while (p < limit && *p != '?' && is(*p, kTextPlain))
      ++p;
    if (p == limit) return Step::More;
    if (*p == '?') {
      if (p + 1 == limit) return Step::More;
      if (p[1] == '>') {
        pos_ = static_cast<std::size_t>(p + 2 - base);
        return Step::Done;
      }
      ++p;
      continue;
    }
    const int length = character(p);
    if (length == 0) return Step::More;
    if (length < 0) return Step::GiveUp;
    p += length;
  }
}

XmlScanner::Step XmlScanner::declaration() {
  // <?xml version="1.0" encoding="UTF-8" standalone="yes"?>, the last two optional. Anything
  // else (XML 1.1, another encoding) goes to expat.
  const char* const base = base_;
  const char* const close = static_cast<const char*>(memmem(base + pos_, end_ - pos_, "?>", 2));
  if (close == nullptr) return Step::More;
  std::string_view rest(base + pos_ + 5, static_cast<std::size_t>(close - base - pos_ - 5));
  const auto spaces = [&rest] {
    std::size_t n = 0;
    while (n < rest.size() && isSpace(rest[n]))
      ++n;
    rest.remove_prefix(n);
    return n > 0;
  };
  // Reads ` name = "value"`; false when the next pseudo-attribute is not `name`. One that is
  // `name` but not well-formed leaves `broken` set.
  bool broken = false;
  const auto pseudo = [&](std::string_view key, std::string_view& value) {
    const std::string_view saved = rest;
    if (!spaces() || rest.substr(0, key.size()) != key) {
      rest = saved;
      return false;
    }
    rest.remove_prefix(key.size());
    spaces();
    const bool quoted = !rest.empty() && rest.front() == '=' &&
                        (rest.remove_prefix(1), spaces(), !rest.empty()) &&
                        (rest.front() == '"' || rest.front() == '\'');
    const std::size_t closing = quoted ? rest.find(rest.front(), 1) : std::string_view::npos;
    if (closing == std::string_view::npos) {
      broken = true;
      return false;
    }
    value = rest.substr(1, closing - 1);
    rest.remove_prefix(closing + 1);
    return true;
  };
  std::string_view value;
  if (!pseudo("version", value) || value != "1.0") return Step::GiveUp;
  if (pseudo("encoding", value) && !equalsFolded(value, "utf-8")) return Step::GiveUp;
  if (pseudo("standalone", value) && value != "yes" && value != "no") return Step::GiveUp;
  spaces();
  if (broken || !rest.empty()) return Step::GiveUp;
  pos_ = static_cast<std::size_t>(close + 2 - base);
  return Step::Done;
}

XmlScanner::Step XmlScanner::cdata() {
  char* const base = base_;
  const char* const limit = base + end_;
  char* const begin = base + pos_ + 9;
  const char* p = begin;
  for (;;) {
    while (p < limit && *p != ']' && is(*p, kTextPlain))
      ++p;
    if (p == limit) return Step::More;
    if (*p == ']') {
      if (limit - p < 3) return Step::More;
      if (p[1] == ']' && p[2] == '>') break;
      ++p;
      continue;
    }
    if (*p == '\r') {
      ++p;
      continue;
    }
    const int length = character(p);
    if (length == 0) return Step::More;
    if (length < 0) return Step::GiveUp;
    p += length;
  }
  // Line ends become line feeds, as in any text.
  char* out = begin;
  for (const char* q = begin; q < p;) {
    if (*q == '\r') {
      *out++ = '\n';
      q += q + 1 < p && q[1] == '\n' ? 2 : 1;
    } else {
      *out++ = *q++;
    }
  }
  pos_ = static_cast<std::size_t>(p + 3 - base);
  if (out > begin) handler_.text(std::string_view(begin, static_cast<std::size_t>(out - begin)));
  return Step::Done;
}

XmlScanner::Step XmlScanner::text() {
  char* const begin = base_ + pos_;
  const char* const limit = base_ + end_;
  const char* p = begin;
  bool decode = false;  // a reference or a carriage return: the text changes when decoded
  bool cut = false;     // it stops at the end of the bytes, not at markup
  for (;;) {
    p = plain::skipText(p, limit);
    if (p == limit) {
      cut = true;
      break;
    }
    const char c = *p;
    if (c == '<') break;
    if (c == '&') {
      char decoded[4];
      int written = 0;
      const int took = reference(p, decoded, written);
      if (took == 0) {
        cut = true;
        break;
      }
      if (took < 0) return Step::GiveUp;
      decode = true;
      p += took;
    } else if (c == '\r') {
      if (p + 1 == limit) {  // a line feed may follow in the next bytes
        cut = true;
        break;
      }
      decode = true;
      p += p[1] == '\n' ? 2 : 1;
    } else if (c == ']') {
      if (limit - p < 3) {
        cut = true;
        break;
      }
      if (p[1] == ']' && p[2] == '>') return Step::GiveUp;
      ++p;
    } else {
      const int length = character(p);
      if (length == 0) {
        cut = true;
        break;
      }
      if (length < 0) return Step::GiveUp;
      p += length;
    }
  }
  // Nothing is decoded until the text is taken, so that it can be scanned again when not.
  if (p == begin || (cut && softEnd_)) return Step::More;
  const std::size_t length = decode ? decodeText(begin, p) : static_cast<std::size_t>(p - begin);
  pos_ = static_cast<std::size_t>(p - base_);
  handler_.text(std::string_view(begin, length));
  return Step::Done;
}

std::size_t XmlScanner::decodeText(char* begin, const char* end) const {
  char* out = begin;
  for (const char* p = begin; p < end;) {
    if (*p == '&') {
      int written = 0;
      p += reference(p, out, written);
      out += written;
    } else if (*p == '\r') {
      // A line end is one line feed, whether CR LF, CR or LF.
      *out++ = '\n';
      p += p + 1 < end && p[1] == '\n' ? 2 : 1;
    } else {
      *out++ = *p++;
    }
  }
  return static_cast<std::size_t>(out - begin);
}

XmlScanner::Step XmlScanner::misc() {
  const char* const base = base_;
  const char* p = base + pos_;
  const char* const limit = base + end_;
  if (start_ == Start::Nothing && static_cast<unsigned char>(*p) == 0xEF) {
    if (limit - p < 3) return Step::More;
    if (std::memcmp(p, "\xEF\xBB\xBF", 3) != 0) return Step::GiveUp;
    pos_ += 3;
    start_ = Start::AfterMark;
    return Step::Done;
  }
  // Outside the root element only white space may stand between the markup.
  while (p < limit && isSpace(*p))
    ++p;
  if (p == base + pos_) return Step::GiveUp;
  pos_ = static_cast<std::size_t>(p - base);
  start_ = Start::Past;
  return Step::Done;
}

}  // namespace quillmere::source::xlsx
