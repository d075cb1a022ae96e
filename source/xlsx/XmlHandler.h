#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "source/WorkbookError.h"

namespace quillmere::source::xlsx {

// Receives the events of one XML part. Names come without their namespace prefix, so
// transitional, Strict and oddly prefixed documents look alike. Handlers never throw into the
// parser: they call fail() and the stream throws once the parser has returned.
class XmlHandler {
 public:
  virtual ~XmlHandler() = default;

  // `attributes` is expat's list: name, value, name, value, ..., nullptr.
  virtual void startElement(std::string_view name, const char** attributes) = 0;
  virtual void endElement(std::string_view name) = 0;
  virtual void text(std::string_view data) = 0;

  // The fast scanner gave up part-way and expat reads the part again from its start: drop
  // what the scanner's events began and pass over what was already handed on (rows, strings).
  // Only handlers of parts read through XmlStream::reset(Opener) are asked.
  virtual void beginReplay();

  // Offered each start tag in the root element before the scanner reads it, when the handler
  // has asked for that (takeElements()): a handler that reads the whole element there itself,
  // as its events would have told it, gives the bytes it took; 0 leaves it to the scanner. It
  // may take only an element it has checked as the scanner would, and ends within the root's
  // content as it began; `end` may cut the element short, which is left to the scanner too.
  virtual std::size_t takeElement(char* begin, const char* end);

  // The value of an attribute by its name without prefix, or nothing.
  static std::optional<std::string_view> attribute(const char** attributes, std::string_view name);
  static std::string_view withoutPrefix(const char* name);

 protected:
  // Stops the parse after this event; XmlStream::parse() then returns true.
  void pause() { pauseRequested_ = attention_ = true; }
  // Stops the parse for good; the stream throws WorkbookError(kind, file, problem) with the
  // part's name and `row`, the worksheet row the problem is in when there is one.
  void fail(WorkbookError::Kind kind, std::string problem,
            std::optional<std::uint32_t> row = std::nullopt) {
    if (!failure_) failure_.emplace(Failure{kind, std::move(problem), row, false});
    attention_ = true;
  }
  // The same for a part that breaks its format: the stream throws damagedFile(file, detail)
  // with the part's name and `row`.
  void failDamaged(std::string detail, std::optional<std::uint32_t> row = std::nullopt) {
    if (!failure_) {
      failure_.emplace(Failure{WorkbookError::Kind::Corrupt, std::move(detail), row, true});
    }
    attention_ = true;
  }
  bool failed() const { return failure_.has_value(); }
  void takeElements() { takesElements_ = true; }

 private:
  friend class XmlStream;
  friend class XmlScanner;
  bool attention_ = false;  // one test per event: a pause or a failure is waiting
  bool takesElements_ = false;
  bool pauseRequested_ = false;
  struct Failure {
    WorkbookError::Kind kind;
    std::string problem;  // the detail alone when `damaged`
    std::optional<std::uint32_t> row;
    bool damaged;
  };
  std::optional<Failure> failure_;
};

inline void XmlHandler::beginReplay() {
  throw std::logic_error("this XML handler cannot read its part a second time");
}

inline std::size_t XmlHandler::takeElement(char*, const char*) {
  return 0;
}

inline std::string_view XmlHandler::withoutPrefix(const char* name) {
  // One pass finds both the prefix and the end; this runs for every element and attribute.
  const char* local = name;
  const char* p = name;
  for (; *p != '\0'; ++p) {
    if (*p == ':') local = p + 1;
  }
  return std::string_view(local, static_cast<std::size_t>(p - local));
}

inline std::optional<std::string_view> XmlHandler::attribute(const char** attributes,
                                                             std::string_view name) {
  for (const char** a = attributes; *a != nullptr; a += 2) {
    if (withoutPrefix(a[0]) == name) return std::string_view(a[1]);
  }
  return std::nullopt;
}

}  // namespace quillmere::source::xlsx
