#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "source/xlsx/PartSource.h"
#include "source/xlsx/XmlHandler.h"

namespace quillmere::source::xlsx {

// A hand-written reader for the plain UTF-8 XML that spreadsheet programs write: elements,
// attributes, text, the five named and the numeric character references, comments,
// processing instructions and CDATA sections. It gives a handler the events expat would give,
// for the same bytes, at several times expat's speed. Whatever it does not handle (another
// encoding, a document type, a name outside ASCII, anything not well-formed, a construct
// longer than its buffer) and whatever a handler refuses, it leaves to expat by giving up:
// the caller reads the part again with expat, which then says exactly what is wrong.
class XmlScanner {
 public:
  enum class Result { Paused, Ended, GaveUp };

  // The longest tag, comment, processing instruction or CDATA section it holds; longer ones
  // go to expat, which has its own, larger, limit.
  static constexpr std::size_t kMaxConstructBytes = 1u << 20;

  XmlScanner(XmlHandler& handler, std::size_t chunkBytes, int maxDepth);

  // Starts over with a new document; `source` is borrowed and must outlive the scan.
  void reset(PartSource* source);

  // Scans until the handler pauses, the document ends, or the scanner gives up. Throws what
  // the source or a handler throws.
  Result scan();

 private:
  enum class Step { Done, More, GiveUp };
  enum class Place { Prolog, Content, Epilog };
  // What the document has shown so far: the declaration may stand only at its very start.
  enum class Start { Nothing, AfterMark, Past };

  struct Attribute {
    std::size_t name = 0;  // offsets into buffer_, as the buffer may move while a tag is read
    std::size_t nameEnd = 0;
    std::size_t value = 0;
    std::size_t valueEnd = 0;
    bool plain = true;  // no reference and no white space but spaces: nothing to decode
  };

  // More bytes for the construct at pos_; false at the end of the part or past the limit.
  bool refill();
  std::span<char> borrowPiece();
  bool extendCarry();
  bool reserveCarry(std::size_t bytes);
  // Back to scanning the piece itself once the construct that crossed into it is read.
  void leaveCarry();
  Step markup();
  Step startTag();
  Step endTag();
  // Moves `p` over the characters XML allows to the next `stop` byte: Done there, More at the
  // end of the bytes, GiveUp at a byte that is no character.
  Step skipTo(const char*& p, char stop) const;
  Step comment();
  Step cdata();
  Step instruction();
  Step declaration();
  Step text();
  Step misc();
  // Checks the character starting at `p`; the bytes it takes, 0 when more are needed, -1 when
  // it is no character XML allows.
  int character(const char* p) const;
  // Decodes a reference starting at `p` (at '&'): writes its UTF-8 to `out` and gives the
  // bytes it took and wrote, or took = 0 when more are needed, -1 when it is none this
  // scanner knows.
  int reference(const char* p, char* out, int& written) const;
  // Decodes an attribute value in place and ends it with a NUL.
  void decodeValue(char* begin, char* end, bool plain);
  // Decodes checked text in place; gives its decoded length.
  std::size_t decodeText(char* begin, const char* end) const;

  XmlHandler& handler_;
  std::size_t chunkBytes_;
  int maxDepth_;
  PartSource* source_ = nullptr;
  // The bytes scanned, [pos_, end_) of base_: a piece borrowed from the source, scanned where it
  // lies, or the carry, a copy of a construct that crosses from one piece into the next
  // together with as much of the next as it needs.
  char* base_ = nullptr;
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
  std::span<char> piece_;  // the piece borrowed last
  std::unique_ptr<char[]> carry_;
  std::size_t carryCapacity_ = 0;
  bool inCarry_ = false;
  std::size_t pieceAt_ = 0;  // in the carry: where the bytes of piece_ begin
  std::size_t copied_ = 0;   // and how many of them it holds
  // The carry ends inside piece_: text that reaches its end is not given until more is there,
  // so that text is only ever cut where the source's pieces end, as it is for expat.
  bool softEnd_ = false;
  bool sourceEnded_ = false;
  Start start_ = Start::Nothing;
  Place place_ = Place::Prolog;
  // The names of the open elements end to end, and where each starts.
  std::string openNames_;
  std::vector<std::size_t> openStarts_;
  std::vector<Attribute> attributes_;
  std::vector<const char*> attributePointers_;
};

}  // namespace quillmere::source::xlsx
