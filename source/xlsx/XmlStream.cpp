#include "source/xlsx/XmlStream.h"

#include <algorithm>
#include <climits>

#include "source/DamagedFile.h"
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
      chunkBytes_(static_cast<int>(std::clamp<std::size_t>(chunkBytes, 1, INT_MAX / 2))),
      scanner_(handler, static_cast<std::size_t>(chunkBytes_), kMaxElementDepth) {}

void XmlStream::reset(std::unique_ptr<PartSource> source) {
  opener_ = nullptr;
  scanning_ = false;
  startExpat(std::move(source));
}

void XmlStream::reset(Opener opener) {
  opener_ = std::move(opener);
  parser_.reset();
  source_ = opener_();
  scanner_.reset(source_.get());
  scanning_ = true;
  handler_.attention_ = false;
  handler_.pauseRequested_ = false;
  handler_.failure_.reset();
  handlerException_ = nullptr;
  finished_ = false;
}

void XmlStream::startExpat(std::unique_ptr<PartSource> source) {
  source_ = std::move(source);
  parser_.reset(XML_ParserCreate(nullptr));
  if (!parser_) {
    throw WorkbookError(Kind::Unreadable, file_,
                        "cannot be read: there is not enough memory to parse " + partName_ + ".",
                        {.part = partName_});
  }
  XML_Parser p = parser_.get();
  XML_SetUserData(p, this);
  XML_SetElementHandler(p, &XmlStream::onStart, &XmlStream::onEnd);
  XML_SetCharacterDataHandler(p, &XmlStream::onText);
  XML_SetStartDoctypeDeclHandler(p, &XmlStream::onDoctype);
  XML_SetEntityDeclHandler(p, &XmlStream::onEntity);
  XML_SetCommentHandler(p, &XmlStream::onComment);
  XML_SetProcessingInstructionHandler(p, &XmlStream::onInstruction);
  XML_SetXmlDeclHandler(p, &XmlStream::onDeclaration);
  XML_SetCdataSectionHandler(p, &XmlStream::onCdataMark, &XmlStream::onCdataMark);
  // The expanding variant leaves entity handling as it is.
  XML_SetDefaultHandlerExpand(p, &XmlStream::onOther);
  if (XML_SetBillionLaughsAttackProtectionMaximumAmplification(p, kMaxEntityAmplification) ==
          XML_FALSE ||
      XML_SetBillionLaughsAttackProtectionActivationThreshold(p, kAmplificationThresholdBytes) ==
          XML_FALSE) {
    throw WorkbookError(Kind::Unreadable, file_,
                        "cannot be read safely: the XML parser refused its entity limits.",
                        {.part = partName_});
  }
  handler_.attention_ = false;
  handler_.pauseRequested_ = false;
  handler_.failure_.reset();
  handlerException_ = nullptr;
  fed_ = 0;
  chunk_ = nullptr;
  chunkStart_ = 0;
  chunkSize_ = 0;
  constructStart_ = 0;
  headStart_ = 0;
  headSize_ = 0;
  nearLimit_ = false;
  depth_ = 0;
  stopped_ = false;
  suspended_ = false;
  finished_ = false;
}

bool XmlStream::parse() {
  if (finished_) return false;
  if (scanning_) {
    switch (scanner_.scan()) {
      case XmlScanner::Result::Paused:
        return true;
      case XmlScanner::Result::Ended:
        finished_ = true;
        return false;
      case XmlScanner::Result::GaveUp:
        scanning_ = false;
        handler_.beginReplay();
        startExpat(opener_());
        break;
    }
  }
  if (!parser_) return false;
  XML_Parser p = parser_.get();
  for (;;) {
    XML_Status status;
    if (suspended_) {
      suspended_ = false;
      status = XML_ResumeParser(p);
    } else {
      // Expat scans a construct it holds again with every chunk, so a long one is fed in
      // chunks as long as itself, keeping the work linear.
      const std::uint64_t pending = fed_ - constructStart_;
      constexpr std::uint64_t kMaxGrownChunkBytes = 4u << 20;
      const int want =
          pending > kDefaultChunkBytes
              ? std::max(chunkBytes_, static_cast<int>(std::min(pending, kMaxGrownChunkBytes)))
              : chunkBytes_;
      void* buffer = XML_GetBuffer(p, want);
      if (buffer == nullptr) throwFailure();
      const std::size_t count =
          source_->read(static_cast<char*>(buffer), static_cast<std::size_t>(want));
      chunk_ = static_cast<const char*>(buffer);
      chunkStart_ = fed_;
      chunkSize_ = count;
      fed_ += count;
      // A construct that ends in this chunk started no earlier than the one held so far, so
      // only when that one and the chunk together pass the limit can any event be too long.
      nearLimit_ = fed_ - constructStart_ > kMaxConstructBytes;
      status = XML_ParseBuffer(p, static_cast<int>(count), count == 0 ? XML_TRUE : XML_FALSE);
    }
    if (status == XML_STATUS_ERROR) throwFailure();
    checkConstruct();
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

void XmlStream::checkConstruct() {
  // Outside a handler expat gives the position just past its last event: where the construct
  // it is still holding starts.
  const XML_Index index = XML_GetCurrentByteIndex(parser_.get());
  if (index >= 0) {
    constructStart_ = std::max(constructStart_, static_cast<std::uint64_t>(index));
  }
  if (headStart_ != constructStart_) {
    headStart_ = constructStart_;
    headSize_ = 0;
  }
  // The head's next byte lies in this chunk unless the construct starts beyond it.
  while (headSize_ < head_.size()) {
    const std::uint64_t at = headStart_ + headSize_;
    if (at < chunkStart_ || at >= chunkStart_ + chunkSize_) break;
    head_[headSize_++] = chunk_[at - chunkStart_];
  }
  if (fed_ - constructStart_ <= kMaxConstructBytes) return;
  finished_ = true;
  throw WorkbookError(Kind::LimitExceeded, file_, longConstruct(true), {.part = partName_});
}

void XmlStream::failLongEvent() {
  // The head kept after the last parse call is this event's when the event began before it.
  const XML_Index index = XML_GetCurrentByteIndex(parser_.get());
  handler_.fail(Kind::LimitExceeded,
                longConstruct(index >= 0 && static_cast<std::uint64_t>(index) == headStart_));
}

std::string XmlStream::longConstruct(bool headKnown) const {
  const std::string_view head(head_.data(), headKnown ? headSize_ : 0);
  const auto startsWith = [head](std::string_view prefix) {
    return head.substr(0, prefix.size()) == prefix;
  };
  std::string_view kind = "XML tag, comment or declaration";
  if (startsWith("<!--")) {
    kind = "XML comment";
  } else if (startsWith("<![CDATA[")) {
    kind = "CDATA section";
  } else if (startsWith("<!") || startsWith("<?xml")) {
    kind = "XML declaration";
  } else if (startsWith("<?")) {
    kind = "XML processing instruction";
  } else if (startsWith("</")) {
    kind = "XML end tag";
  } else if (startsWith("<")) {
    kind = "XML tag";
  } else if (!head.empty()) {
    kind = "run of XML text";
  }
  return "is refused: its part " + partName_ + " holds a single " + std::string(kind) +
         " longer than " + std::to_string(kMaxConstructBytes >> 20) +
         " MiB, more than Quillmere holds in memory at once.";
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
    const XmlHandler::Failure& failure = *handler_.failure_;
    const WorkbookError::Details details{.part = partName_, .row = failure.row};
    if (failure.damaged) throw damagedFile(file_, failure.problem, details);
    throw WorkbookError(failure.kind, file_, failure.problem, details);
  }
  XML_Parser p = parser_.get();
  const XML_Error code = XML_GetErrorCode(p);
  if (code == XML_ERROR_NO_MEMORY) {
    throw WorkbookError(Kind::Unreadable, file_,
                        "cannot be read: there is not enough memory to parse " + partName_ + ".",
                        {.part = partName_});
  }
  if (code == XML_ERROR_AMPLIFICATION_LIMIT_BREACH) {
    throw WorkbookError(Kind::LimitExceeded, file_,
                        "is refused: its part " + partName_ + " expands XML entities more than " +
                            std::to_string(static_cast<int>(kMaxEntityAmplification)) +
                            " times over, the mark of an entity bomb.",
                        {.part = partName_});
  }
  throw damagedFile(file_,
                    "its part " + partName_ + " is not well-formed XML (" + XML_ErrorString(code) +
                        " at line " + std::to_string(XML_GetCurrentLineNumber(p)) + ", column " +
                        std::to_string(XML_GetCurrentColumnNumber(p) + 1) + ").",
                    {.part = partName_});
}

void XMLCALL XmlStream::onStart(void* self, const XML_Char* name, const XML_Char** attributes) {
  XmlStream& stream = streamOf(self);
  if (stream.stopped_) return;
  if (++stream.depth_ > kMaxElementDepth) {
    stream.handler_.fail(Kind::LimitExceeded,
                         "is refused: its part " + stream.partName_ +
                             " nests XML elements more than " + std::to_string(kMaxElementDepth) +
                             " deep. No part of a workbook goes more than a few levels deep, so "
                             "the file is damaged or made to exhaust memory.");
    stream.afterEvent();
    return;
  }
  try {
    stream.handler_.startElement(XmlHandler::withoutPrefix(name), attributes);
  } catch (...) {
    stream.keep(std::current_exception());
  }
  if (stream.nearLimit_) stream.measureEvent();
  stream.afterEvent();
}

void XMLCALL XmlStream::onEnd(void* self, const XML_Char* name) {
  XmlStream& stream = streamOf(self);
  if (stream.stopped_) return;
  --stream.depth_;
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

void XMLCALL XmlStream::onComment(void* self, const XML_Char*) {
  XmlStream& stream = streamOf(self);
  if (stream.stopped_) return;
  if (stream.nearLimit_) stream.measureEvent();
  stream.afterEvent();
}

void XMLCALL XmlStream::onInstruction(void* self, const XML_Char*, const XML_Char*) {
  XmlStream& stream = streamOf(self);
  if (stream.stopped_) return;
  if (stream.nearLimit_) stream.measureEvent();
  stream.afterEvent();
}

void XMLCALL XmlStream::onDeclaration(void* self, const XML_Char*, const XML_Char*, int) {
  XmlStream& stream = streamOf(self);
  if (stream.stopped_) return;
  if (stream.nearLimit_) stream.measureEvent();
  stream.afterEvent();
}

void XMLCALL XmlStream::onCdataMark(void* self) {
  XmlStream& stream = streamOf(self);
  if (stream.stopped_) return;
  if (stream.nearLimit_) stream.measureEvent();
  stream.afterEvent();
}

void XMLCALL XmlStream::onOther(void* self, const XML_Char*, int) {
  XmlStream& stream = streamOf(self);
  if (stream.stopped_) return;
  if (stream.nearLimit_) stream.measureEvent();
  stream.afterEvent();
}

}  // namespace quillmere::source::xlsx
