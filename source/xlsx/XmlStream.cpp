#include "source/xlsx/XmlStream.h"

#include <algorithm>
#include <climits>

#include "source/WorkbookError.h"

namespace quillmere::source::xlsx {

namespace {

using Kind = WorkbookError::Kind;

XmlStream& streamOf(void* self) {
  return *static_cast<XmlStream*>(self);
}

}  // namespace

XmlStream::XmlStream(std::filesystem::path file, std::string partName, XmlHandler& handler,
                     std::size_t chunkBytes)
    : file_(std::move(file)),
      partName_(std::move(partName)),
      handler_(handler),
      chunkBytes_(static_cast<int>(std::clamp<std::size_t>(chunkBytes, 1, INT_MAX / 2))) {}

void XmlStream::reset(std::unique_ptr<PartSource> source) {
  source_ = std::move(source);
  parser_.reset(XML_ParserCreate(nullptr));
  if (!parser_) {
    throw WorkbookError(Kind::Unreadable, file_,
                        "cannot be read: there is not enough memory to parse " + partName_ + ".");
  }
  XML_Parser p = parser_.get();
  XML_SetUserData(p, this);
  XML_SetElementHandler(p, &XmlStream::onStart, &XmlStream::onEnd);
  XML_SetCharacterDataHandler(p, &XmlStream::onText);
  XML_SetStartDoctypeDeclHandler(p, &XmlStream::onDoctype);
  XML_SetEntityDeclHandler(p, &XmlStream::onEntity);
  if (XML_SetBillionLaughsAttackProtectionMaximumAmplification(p, kMaxEntityAmplification) ==
          XML_FALSE ||
      XML_SetBillionLaughsAttackProtectionActivationThreshold(p, kAmplificationThresholdBytes) ==
          XML_FALSE) {
    throw WorkbookError(Kind::Unreadable, file_,
                        "cannot be read safely: the XML parser refused its entity limits.");
  }
  handler_.attention_ = false;
  handler_.pauseRequested_ = false;
  handler_.failure_.reset();
  handlerException_ = nullptr;
  bytesWithoutEvent_ = 0;
  stopped_ = false;
  suspended_ = false;
  finished_ = false;
}

bool XmlStream::parse() {
  if (finished_ || !parser_) return false;
  XML_Parser p = parser_.get();
  for (;;) {
    XML_Status status;
    if (suspended_) {
      suspended_ = false;
      status = XML_ResumeParser(p);
    } else {
      void* buffer = XML_GetBuffer(p, chunkBytes_);
      if (buffer == nullptr) throwFailure();
      const std::size_t count =
          source_->read(static_cast<char*>(buffer), static_cast<std::size_t>(chunkBytes_));
      status = XML_ParseBuffer(p, static_cast<int>(count), count == 0 ? XML_TRUE : XML_FALSE);
      bytesWithoutEvent_ += count;
      if (status == XML_STATUS_OK && bytesWithoutEvent_ > kMaxBytesWithoutEvent) {
        finished_ = true;
        throw WorkbookError(Kind::LimitExceeded, file_,
                            "is refused: its part " + partName_ +
                                " has a single XML tag, "
                                "comment or declaration longer than " +
                                std::to_string(kMaxBytesWithoutEvent) +
                                " bytes, more than Quillmere holds in memory.");
      }
    }
    if (status == XML_STATUS_ERROR) throwFailure();
    if (status == XML_STATUS_SUSPENDED) {
      suspended_ = true;
      return true;
    }
    XML_ParsingStatus parsing;
    XML_GetParsingStatus(p, &parsing);
    if (parsing.parsing == XML_FINISHED) {
      finished_ = true;
      return false;
    }
  }
}

void XmlStream::parseAll() {
  while (parse()) {
  }
}

void XmlStream::act() {
  handler_.attention_ = false;
  if (handler_.failure_ || handlerException_) {
    stopped_ = true;
    XML_StopParser(parser_.get(), XML_FALSE);
  } else if (handler_.pauseRequested_) {
    handler_.pauseRequested_ = false;
    XML_StopParser(parser_.get(), XML_TRUE);
  }
}

void XmlStream::keep(std::exception_ptr error) {
  if (!handlerException_) handlerException_ = std::move(error);
  handler_.attention_ = true;
}

void XmlStream::throwFailure() {
  finished_ = true;
  if (handlerException_) std::rethrow_exception(handlerException_);
  if (handler_.failure_) {
    throw WorkbookError(handler_.failure_->first, file_, handler_.failure_->second);
  }
  XML_Parser p = parser_.get();
  const XML_Error code = XML_GetErrorCode(p);
  if (code == XML_ERROR_NO_MEMORY) {
    throw WorkbookError(Kind::Unreadable, file_,
                        "cannot be read: there is not enough memory to parse " + partName_ + ".");
  }
  if (code == XML_ERROR_AMPLIFICATION_LIMIT_BREACH) {
    throw WorkbookError(Kind::LimitExceeded, file_,
                        "is refused: its part " + partName_ + " expands XML entities more than " +
                            std::to_string(static_cast<int>(kMaxEntityAmplification)) +
                            " times over, the mark of an entity bomb.");
  }
  throw WorkbookError(Kind::Corrupt, file_,
                      "is damaged: its part " + partName_ + " is not well-formed XML (" +
                          XML_ErrorString(code) + " at line " +
                          std::to_string(XML_GetCurrentLineNumber(p)) + ", column " +
                          std::to_string(XML_GetCurrentColumnNumber(p) + 1) + ").");
}

void XMLCALL XmlStream::onStart(void* self, const XML_Char* name, const XML_Char** attributes) {
  XmlStream& stream = streamOf(self);
  if (stream.stopped_) return;
  try {
    stream.handler_.startElement(XmlHandler::withoutPrefix(name), attributes);
  } catch (...) {
    stream.keep(std::current_exception());
  }
  stream.afterEvent();
}

void XMLCALL XmlStream::onEnd(void* self, const XML_Char* name) {
  XmlStream& stream = streamOf(self);
  if (stream.stopped_) return;
  try {
    stream.handler_.endElement(XmlHandler::withoutPrefix(name));
  } catch (...) {
    stream.keep(std::current_exception());
  }
  stream.afterEvent();
}

void XMLCALL XmlStream::onText(void* self, const XML_Char* data, int length) {
  XmlStream& stream = streamOf(self);
  if (stream.stopped_) return;
  try {
    stream.handler_.text(std::string_view(data, static_cast<std::size_t>(length)));
  } catch (...) {
    stream.keep(std::current_exception());
  }
  stream.afterEvent();
}

void XMLCALL XmlStream::onDoctype(void* self, const XML_Char*, const XML_Char*, const XML_Char*,
                                  int) {
  XmlStream& stream = streamOf(self);
  if (stream.stopped_) return;
  stream.handler_.fail(Kind::LimitExceeded,
                       "is refused: its part " + stream.partName_ +
                           " declares a document type, which a workbook never needs. Such "
                           "declarations carry entity bombs, so Quillmere does not read them.");
  stream.afterEvent();
}

void XMLCALL XmlStream::onEntity(void* self, const XML_Char*, int, const XML_Char*, int,
                                 const XML_Char*, const XML_Char*, const XML_Char*,
                                 const XML_Char*) {
  XmlStream& stream = streamOf(self);
  if (stream.stopped_) return;
  stream.handler_.fail(Kind::LimitExceeded,
                       "is refused: its part " + stream.partName_ +
                           " declares XML entities, the mark of an entity bomb.");
  stream.afterEvent();
}

}  // namespace quillmere::source::xlsx
