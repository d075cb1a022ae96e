#include "source/CellFormats.h"

#include "source/numfmt/BuiltinFormats.h"

namespace quillmere::source {

namespace {

const numfmt::NumberFormat& generalFormat() {
  static const numfmt::NumberFormat general;
  return general;
}

}  // namespace

CellFormats::CellFormats(std::vector<std::uint32_t> formatIds,
                         std::unordered_map<std::uint32_t, std::string> codes, bool date1904)
    : formatIds_(std::move(formatIds)),
      codes_(std::move(codes)),
      date1904_(date1904),
      byStyle_(formatIds_.size(), nullptr) {}

const CellFormats& CellFormats::general() {
  static const CellFormats table;
  return table;
}

const numfmt::NumberFormat& CellFormats::numberFormat(std::uint32_t style) const {
  if (style >= formatIds_.size()) return generalFormat();
  const numfmt::NumberFormat*& known = byStyle_[style];
  if (known == nullptr) known = &formatOfId(formatIds_[style]);
  return *known;
}

void CellFormats::parseAll() const {
  for (std::uint32_t style = 0; style < formatIds_.size(); ++style)
    static_cast<void>(numberFormat(style));
}

const numfmt::NumberFormat& CellFormats::formatOfId(std::uint32_t id) const {
  if (const auto found = parsed_.find(id); found != parsed_.end()) return found->second;
  const auto code = codes_.find(id);
  const std::string_view text =
      code != codes_.end() ? std::string_view(code->second) : numfmt::builtinFormatCode(id);
  // Nodes of an unordered_map stay where they are, so earlier references remain valid.
  return parsed_.emplace(id, numfmt::NumberFormat::parse(text)).first->second;
}

}  // namespace quillmere::source
