#include "source/xlsx/XlsxBook.h"

#include "source/xlsx/ReadAheadSource.h"

namespace quillmere::source::xlsx {

namespace {

XlsxSheetReader::Opener inflatingAhead(ZipPartOpener part) {
  return [part = std::move(part)] { return std::make_unique<ReadAheadSource>(part()); };
}

std::unique_ptr<SharedStringsLoader> startLoading(SharedStrings& strings, const ZipArchive& archive,
                                                  std::optional<ZipPartOpener> part) {
  if (!part) return nullptr;
  return std::make_unique<SharedStringsLoader>(strings, archive.file(), std::move(*part));
}

}  // namespace

XlsxBook::XlsxBook(std::unique_ptr<ZipArchive> archive, std::optional<ZipPartOpener> stringsPart,
                   std::unique_ptr<CellFormats> formats, const FirstSheet& sheet,
                   const ReadLimits& limits)
    : archive_(std::move(archive)),
      strings_(limits),
      loader_(startLoading(strings_, *archive_, std::move(stringsPart))),
      formats_(std::move(formats)),
      sheet_(archive_->file(), sheet.partName,
             inflatingAhead(archive_->partOpener(sheet.entry, sheet.partName, limits)), strings_,
             limits, sheet.date1904) {
  sheet_.setCellFormats(*formats_);
}

}  // namespace quillmere::source::xlsx
