#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>

#include "source/ReadLimits.h"
#include "source/Workbook.h"
#include "source/ods/OdsSheetReader.h"
#include "source/xlsx/ZipArchive.h"

namespace quillmere::source::ods {

// An open OpenDocument spreadsheet: a zip package (.ods), or a flat XML file (.fods) without an
// archive, and a cursor over one of its tables, its content part inflated ahead of the parse.
class OdsWorkbook : public Workbook {
 public:
  OdsWorkbook(std::unique_ptr<xlsx::ZipArchive> archive, const std::filesystem::path& file,
              const std::string& partName, OdsSheetReader::Opener opener, std::size_t table,
              const ReadLimits& limits);

  SheetReader& sheet() override { return sheet_; }

 private:
  std::unique_ptr<xlsx::ZipArchive> archive_;  // none for a flat file
  OdsSheetReader sheet_;
};

// Whether a zip archive is an OpenDocument package rather than an Office Open XML one: it has a
// mimetype entry, or a content.xml without Office's list of content types.
bool isOpenDocumentPackage(const xlsx::ZipArchive& archive);

// Opens the package of `archive` on the table at `sheet` in tab order (the first for
// kFirstWorksheet). Throws WorkbookError naming the file.
std::unique_ptr<Workbook> openOdsWorkbook(std::unique_ptr<xlsx::ZipArchive> archive,
                                          const ReadLimits& limits, std::size_t sheet);

// Whether the first bytes of a file are those of a flat OpenDocument file's root element.
bool looksLikeFlatOds(std::string_view head);

// Opens a flat OpenDocument file (.fods) as openOdsWorkbook opens a package.
std::unique_ptr<Workbook> openFlatOdsWorkbook(const std::filesystem::path& path,
                                              const ReadLimits& limits, std::size_t sheet);

}  // namespace quillmere::source::ods
