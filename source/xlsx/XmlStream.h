#pragma once

#include <expat.h>

#include <cstddef>
#include <exception>
#include <filesystem>
#include <memory>
#include <string>
#include <type_traits>

#include "source/xlsx/PartSource.h"
#include "source/xlsx/XmlHandler.h"

namespace quillmere::source::xlsx {

// Feeds one part through expat in chunks read straight into the parser's buffer, so a part is
// never held whole. The handler may pause the parse (a worksheet row is complete) and a later
// parse() goes on from there. Document type declarations are refused: no part of a workbook
// has one, and refusing them rules out entity bombs.
class XmlStream {
 public:
  static constexpr std::size_t kDefaultChunkBytes = 64 * 1024;
  // Expat's own guard, should a declaration ever get through: output may be at most this
  // many times the input once past the activation threshold.
  static constexpr float kMaxEntityAmplification = 100.0f;
  static constexpr unsigned long long kAmplificationThresholdBytes = 8ull << 20;
  // Expat holds a whole tag, comment or attribute in memory until it ends, so input that
  // runs this long without a single event is refused rather than buffered.
  static constexpr std::size_t kMaxBytesWithoutEvent = 16u << 20;

  XmlStream(std::filesystem::path file, std::string partName, XmlHandler& handler,
            std::size_t chunkBytes = kDefaultChunkBytes);

  // Starts over with a new document from `source`.
  void reset(std::unique_ptr<PartSource> source);

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

  static void XMLCALL onStart(void* self, const XML_Char* name, const XML_Char** attributes);
  static void XMLCALL onEnd(void* self, const XML_Char* name);
  static void XMLCALL onText(void* self, const XML_Char* data, int length);
  static void XMLCALL onDoctype(void* self, const XML_Char* name, const XML_Char* sysid,
                                const XML_Char* pubid, int hasInternalSubset);
  static void XMLCALL onEntity(void* self, const XML_Char* name, int isParameterEntity,
                               const XML_Char* value, int valueLength, const XML_Char* base,
                               const XML_Char* systemId, const XML_Char* publicId,
                               const XML_Char* notationName);

  // After each event: turns the handler's requests into expat's stop or suspend.
  void afterEvent() {
    bytesWithoutEvent_ = 0;
    if (handler_.attention_) act();
  }
  void act();
  void keep(std::exception_ptr error);
  [[noreturn]] void throwFailure();

  std::filesystem::path file_;
  std::string partName_;
  XmlHandler& handler_;
  int chunkBytes_;
  std::unique_ptr<PartSource> source_;
  Parser parser_;
  std::exception_ptr handlerException_;
  std::size_t bytesWithoutEvent_ = 0;
  bool stopped_ = false;
  bool suspended_ = false;
  bool finished_ = false;
};

}  // namespace quillmere::source::xlsx
