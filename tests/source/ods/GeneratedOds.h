#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "tests/source/xlsx/GeneratedWorkbook.h"

namespace quillmere::source::ods::testing {

using Parts = std::vector<std::pair<std::string, xlsx::testing::RepeatedPart>>;

inline constexpr const char* kSpreadsheetType = "application/vnd.oasis.opendocument.spreadsheet";

// META-INF/manifest.xml listing content.xml, stored encrypted when `encrypted`, as LibreOffice
// writes it for a file saved with a password.
inline std::string manifestXml(bool encrypted = false) {
  return std::string(
             "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<manifest:manifest "
             "xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\" "
             "manifest:version=\"1.3\"><manifest:file-entry manifest:full-path=\"/\" "
             "manifest:media-type=\"") +
         kSpreadsheetType +
         "\"/><manifest:file-entry manifest:full-path=\"content.xml\" "
         "manifest:media-type=\"text/xml\"" +
         (encrypted ? " manifest:size=\"900\"><manifest:encryption-data "
                      "manifest:checksum-type=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0#"
                      "sha256-1k\" manifest:checksum=\"AAAA\"><manifest:algorithm "
                      "manifest:algorithm-name=\"http://www.w3.org/2001/04/xmlenc#aes256-cbc\" "
                      "manifest:initialisation-vector=\"AAAA\"/></manifest:encryption-data>"
                      "</manifest:file-entry>"
                    : "/>") +
         "</manifest:manifest>";
}

// The parts of a package as spreadsheet programs write it, around `content`.
inline Parts packageParts(const std::string& content) {
  using xlsx::testing::wholePart;
  return {{"mimetype", wholePart(kSpreadsheetType)},
          {"content.xml", wholePart(content)},
          {"META-INF/manifest.xml", wholePart(manifestXml())}};
}

inline void writePackage(const std::filesystem::path& file, const Parts& parts) {
  xlsx::testing::writeRepeatedArchive(file, parts);
}

}  // namespace quillmere::source::ods::testing
