#include "source/xlsx/XlsxBook.h"

namespace quillmere::source::xlsx {

XlsxBook::XlsxBook(std::unique_ptr<ZipArchive> archive, std::unique_ptr<SharedStrings> strings,
                   std::unique_ptr<CellFormats> formats, const FirstSheet& sheet,
                   const ReadLimits& limits)
    : archive_(std::move(archive)),
      strings_(std::move(strings)),
      formats_(std::move(formats)),
      sheet_(
          archive_->file(), sheet.partName,
          [zip = archive_.get(), sheet, limits] {
            return zip->open(sheet.entry, sheet.partName, limits);
          },
          *strings_, limits, sheet.date1904) {
  sheet_.setCellFormats(*formats_);
}

}  // namespace quillmere::source::xlsx
