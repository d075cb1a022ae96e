// What a workbook's XML seldom holds but may: comments, processing instructions, the XML
// declaration, CDATA sections, and what stands outside the root element.
#include <cstring>
#include <string_view>

#include "source/xlsx/XmlByteClasses.h"
#include "source/xlsx/XmlScanner.h"

namespace quillmere::source::xlsx {

using namespace xmlbytes;

XmlScanner::Step XmlScanner::skipTo(const char*& p, char stop) const {
  const char* const limit = base_ + end_;
  for (;;) {
    while (p < limit && *p != stop && is(*p, kTextPlain))
      ++p;
    if (p == limit) return Step::More;
    if (*p == stop) return Step::Done;
    const int length = character(p);
    if (length == 0) return Step::More;
    if (length < 0) return Step::GiveUp;
    p += length;
  }
}

XmlScanner::Step XmlScanner::comment() {
  const char* const base = base_;
  const char* const limit = base + end_;
  const char* p = base + pos_ + 4;
  for (;; ++p) {
    if (const Step step = skipTo(p, '-'); step != Step::Done) return step;
    if (limit - p < 3) return Step::More;
    if (p[1] == '-') {
      // Two hyphens end a comment and may stand nowhere else in it.
      if (p[2] != '>') return Step::GiveUp;
      pos_ = static_cast<std::size_t>(p + 3 - base);
      return Step::Done;
    }
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
  for (;; ++p) {
    if (const Step step = skipTo(p, '?'); step != Step::Done) return step;
    if (p + 1 == limit) return Step::More;
    if (p[1] == '>') {
      pos_ = static_cast<std::size_t>(p + 2 - base);
      return Step::Done;
    }
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
    if (const Step step = skipTo(p, ']'); step != Step::Done) return step;
    if (limit - p < 3) return Step::More;
    if (p[1] == ']' && p[2] == '>') break;
    ++p;
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
