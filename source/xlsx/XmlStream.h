#pragma once

#include <expat.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>

#include "source/xlsx/PartSource.h"
#include "source/xlsx/XmlHandler.h"
#include "source/xlsx/XmlScanner.h"

namespace quillmere::source::xlsx {

// Feeds one part through expat in chunks read straight into the parser's buffer, so a part is
// never held whole. A part that can be opened again goes first through the faster XmlScanner,
// and through expat from its start only when the scanner gives up. The handler may pause the parse
// (a worksheet row is complete) and a later parse() goes on from there. Document type declarations
// are refused: no part of a workbook has one, and refusing them rules out entity bombs.
class XmlStream {
 public:
  static constexpr std::size_t kDefaultChunkBytes = 64 * 1024;
  // Expat's own guard, should a declaration ever get through: output may be at most this
  // many times the input once past the activation threshold.
  static constexpr float kMaxEntityAmplification = 100.0f;
  static constexpr unsigned long long kAmplificationThresholdBytes = 8ull << 20;
  // Expat holds a whole tag, comment or declaration in memory until it ends, so one that
  // runs longer than this is refused rather than buffered. Text arrives in pieces and is
  // bounded by the handlers.
  static constexpr std::size_t kMaxConstructBytes = 16u << 20;
  // Expat keeps every open element on a stack. A worksheet goes about seven levels deep and
  // no part of a workbook more than a dozen, so deeper nesting is damage or an attack.
  static constexpr int kMaxElementDepth = 64;

  XmlStream(std::filesystem::path file, std::string partName, XmlHandler& handler,
            std::size_t chunkBytes = kDefaultChunkBytes);

  using Opener = std::function<std::unique_ptr<PartSource>()>;

  // Starts over with a new document from `source`, read by expat.
  void reset(std::unique_ptr<PartSource> source);

  // Starts over with a new document, read by the scanner; when it gives up, `opener` gives
  // the part again for expat and the handler is asked to replay (XmlHandler::beginReplay).
  void reset(Opener opener);

  // Parses until the handler pauses (true) or the document ends (false). Throws WorkbookError
  // for malformed XML, a failure the handler reported, or a damaged part.
  bool parse();

  // Parses the whole document.
  void parseAll();

  const std::string& partName() const { return partName_; }

 private:
  struct Free {
    void operator()(XML_Parser parser) const { XML_ParserFree(parser); }
  };
  using Parser = std::unique_ptr<std::remove_pointer_t<XML_Parser>, Free>;

  void startExpat(std::unique_ptr<PartSource> source);

  static void XMLCALL onStart(void* self, const XML_Char* name, const XML_Char** attributes);
  static void XMLCALL onEnd(void* self, const XML_Char* name);
  static void XMLCALL onText(void* self, const XML_Char* data, int length);
  static void XMLCALL onDoctype(void* self, const XML_Char* name, const XML_Char* sysid,
                                const XML_Char* pubid, int hasInternalSubset);
  static void XMLCALL onEntity(void* self, const XML_Char* name, int isParameterEntity,
                               const XML_Char* value, int valueLength, const XML_Char* base,
                               const XML_Char* systemId, const XML_Char* publicId,
                               const XML_Char* notationName);
  // Comments, processing instructions, the XML declaration, CDATA markers and whatever else
  // expat reports: none matters to a handler, but each ends a construct.
  static void XMLCALL onComment(void* self, const XML_Char* data);
  static void XMLCALL onInstruction(void* self, const XML_Char* target, const XML_Char* data);
  static void XMLCALL onDeclaration(void* self, const XML_Char* version, const XML_Char* encoding,
                                    int standalone);
  static void XMLCALL onCdataMark(void* self);
  static void XMLCALL onOther(void* self, const XML_Char* data, int length);

  // After each event: turns the handler's requests into expat's stop or suspend.
  void afterEvent() {
    if (handler_.attention_) act();
  }
  // Refuses a tag, comment or declaration that has ended but is too long; expat reports
  // text in pieces, so text and end tags need no measuring. One still in progress is
  // measured by checkConstruct().
  void measureEvent() {
    if (static_cast<std::size_t>(XML_GetCurrentByteCount(parser_.get())) > kMaxConstructBytes) {
      failLongEvent();
    }
  }
  void failLongEvent();
  void act();
  // After each parse call: keeps the first bytes of the construct in progress, which say what
  // it is, while they are still in the chunk just parsed; refuses it once it is too long.
  void checkConstruct();
  // The problem of a construct that is too long, named after its head when that is known.
  std::string longConstruct(bool headKnown) const;
  void keep(std::exception_ptr error);
  [[noreturn]] void throwFailure();

  std::filesystem::path file_;
  std::string partName_;
  XmlHandler& handler_;
  int chunkBytes_;
  std::unique_ptr<PartSource> source_;
  Opener opener_;
  XmlScanner scanner_;
  bool scanning_ = false;
  Parser parser_;
  std::exception_ptr handlerException_;
  // Byte positions in the part: the end of the input fed so far, the chunk last fed (in
  // expat's buffer, valid until the next one), and where the construct in progress starts.
  std::uint64_t fed_ = 0;
  const char* chunk_ = nullptr;
  std::uint64_t chunkStart_ = 0;
  std::size_t chunkSize_ = 0;
  std::uint64_t constructStart_ = 0;
  std::uint64_t headStart_ = 0;
  std::array<char, 9> head_{};
  std::size_t headSize_ = 0;
  bool nearLimit_ = false;  // events of the current chunk may be too long: measure them
  int depth_ = 0;
  bool stopped_ = false;
  bool suspended_ = false;
  bool finished_ = false;
};

}  // namespace quillmere::source::xlsx
