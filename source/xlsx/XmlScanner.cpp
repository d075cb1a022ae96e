#include "source/xlsx/XmlScanner.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "source/Unicode.h"
#include "source/xlsx/PlainBytes.h"
#include "source/xlsx/XmlByteClasses.h"

namespace quillmere::source::xlsx {

using namespace xmlbytes;

XmlScanner::XmlScanner(XmlHandler& handler, std::size_t chunkBytes, int maxDepth)
    : handler_(handler), chunkBytes_(std::max<std::size_t>(chunkBytes, 1)), maxDepth_(maxDepth) {}

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

}  // namespace quillmere::source::xlsx
