#include "source/xlsx/XlsxStyles.h"

#include <charconv>
#include <optional>

namespace quillmere::source::xlsx {

namespace {

std::optional<std::uint32_t> formatId(const char** attributes) {
  const auto text = XmlHandler::attribute(attributes, "numFmtId");
  if (!text) return std::nullopt;
  std::uint32_t id = 0;
  const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), id);
  if (error != std::errc{} || end != text->data() + text->size()) return std::nullopt;
  return id;
}

}  // namespace

CellFormats XlsxStyles::take(bool date1904) {
  CellFormats formats(std::move(formatIds_), std::move(codes_), date1904);
  formatIds_.clear();
  codes_.clear();
  return formats;
}

void XlsxStyles::startElement(std::string_view name, const char** attributes) {
  ++depth_;
  if (depth_ == 2) {
    inFormats_ = name == "numFmts";
    inCellStyles_ = name == "cellXfs";
  } else if (depth_ == 3 && inFormats_ && name == "numFmt") {
    const auto id = formatId(attributes);
    const auto code = attribute(attributes, "formatCode");
    if (id && code && code->size() <= kMaxCodeBytes &&
        (codes_.size() < kMaxFormatCodes || codes_.contains(*id))) {
      codes_[*id] = std::string(*code);
    }
  } else if (depth_ == 3 && inCellStyles_ && name == "xf") {
    // Every style keeps its place in the list: cells refer to it by position. A style without
    // a readable id shows its numbers in General.
    if (formatIds_.size() < kMaxCellStyles) formatIds_.push_back(formatId(attributes).value_or(0));
  }
}

void XlsxStyles::endElement(std::string_view) {
  if (depth_ == 2) inFormats_ = inCellStyles_ = false;
  --depth_;
}

}  // namespace quillmere::source::xlsx
