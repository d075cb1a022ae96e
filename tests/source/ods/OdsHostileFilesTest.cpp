// Hostile and damaged OpenDocument files: each ends in its own clear error, or a correct read,
// within 256 MiB and 10 seconds, read in a child process so that its peak memory is its own.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "source/CellTextForm.h"
#include "source/Workbook.h"
#include "source/WorkbookError.h"
#include "tests/source/BoundedRun.h"
#include "tests/source/ods/GeneratedOds.h"
#include "tests/source/ods/OdsXml.h"

namespace quillmere::source::ods {
namespace {

namespace fs = std::filesystem;
using Kind = WorkbookError::Kind;
using source::testing::BoundedRun;
using source::testing::runBounded;
using testing::oneTable;
using testing::packageParts;
using testing::Parts;
using xlsx::testing::RepeatedPart;
using xlsx::testing::TemporaryFolder;
using xlsx::testing::wholePart;

// Reads every cell of the first sheet; gives the rows with a value and their cells.
std::string readWhole(const fs::path& file) {
  auto workbook = openWorkbook(file);
  SheetReader& sheet = workbook->sheet();
  std::uint64_t rows = 0, cells = 0;
  std::string text;
  while (sheet.nextRow()) {
    ++rows;
    for (std::size_t c = 0; c < sheet.cellCount(); ++c) {
      text.clear();
      appendTextForm(text, sheet.cell(c));
      cells += text.empty() ? 0 : 1;
    }
  }
  return std::to_string(rows) + " rows, " + std::to_string(cells) + " cells";
}

struct HostileFile {
  const char* name;
  // Writes the file into the folder and gives its path.
  std::function<fs::path(const fs::path&)> write;
  // "ok: ..." for a file to read; else "WorkbookError <kind>" and a phrase of the message.
  std::string outcome;
  std::string says;
};

void PrintTo(const HostileFile& f, std::ostream* out) {
  *out << f.name;
}

std::string refused(Kind kind) {
  return "WorkbookError " + std::to_string(static_cast<int>(kind));
}

std::function<fs::path(const fs::path&)> package(Parts parts) {
  return [parts = std::move(parts)](const fs::path& folder) {
    const fs::path file = folder / "hostile.ods";
    testing::writePackage(file, parts);
    return file;
  };
}

Parts withPart(Parts parts, const std::string& name, const std::string& text) {
  std::erase_if(parts, [&](const auto& part) { return part.first == name; });
  parts.emplace_back(name, wholePart(text));
  return parts;
}

const std::string kCell =
    "<table:table-cell office:value-type=\"string\"><text:p>x</text:p></table:table-cell>";

const std::string kEntityBomb =
    "<?xml version=\"1.0\"?><!DOCTYPE d [<!ENTITY a \"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\">"
    "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\"><!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">"
    "<!ENTITY e \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\"><!ENTITY f \"&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;\">"
    "<!ENTITY g \"&f;&f;&f;&f;&f;&f;&f;&f;&f;&f;\"><!ENTITY h \"&g;&g;&g;&g;&g;&g;&g;&g;&g;&g;\">]>"
    "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\">"
    "<office:body><office:spreadsheet>&h;</office:spreadsheet></office:body>"
    "</office:document-content>";

// A content part that unpacks to 320 MiB of one repeated row, packed as a zip bomb packs.
Parts zipBomb() {
  const std::string content = oneTable("");
  RepeatedPart part;
  part.head = content.substr(0, content.find("</table:table>"));
  part.body = std::string(1 << 20, ' ');
  part.times = 320;
  part.tail = content.substr(content.find("</table:table>"));
  Parts parts = packageParts(content);
  parts[1].second = part;
  return parts;
}

fs::path truncated(const fs::path& folder) {
  const fs::path whole = folder / "whole.ods";
  testing::writePackage(whole,
                        packageParts(oneTable("<table:table-row>" + kCell + "</table:table-row>")));
  std::ifstream in(whole, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const fs::path file = folder / "truncated.ods";
  std::ofstream(file, std::ios::binary) << bytes.substr(0, bytes.size() / 2);
  return file;
}

// A text document's content, without a mimetype to say so.
std::string textDocument() {
  std::string content = testing::contentXml("<text:p>a letter</text:p>");
  content.replace(content.find("<office:spreadsheet>"), 20, "<office:text>");
  content.replace(content.find("</office:spreadsheet>"), 21, "</office:text>");
  return content;
}

std::string deeplyNested() {
  std::string spans;
  for (int i = 0; i < 100000; ++i)
    spans += "<text:span>";
  return oneTable("<table:table-row><table:table-cell><text:p>" + spans);
}

std::string hostileName(const ::testing::TestParamInfo<HostileFile>& info) {
  return info.param.name;
}

class OdsHostileFile : public ::testing::TestWithParam<HostileFile> {};

TEST_P(OdsHostileFile, IsRefusedByNameOrReadWithinBounds) {
  const HostileFile& param = GetParam();
  TemporaryFolder folder;
  const fs::path file = param.write(folder.path());
  const BoundedRun run = runBounded([&file] { return readWhole(file); });
  if (param.outcome.rfind("ok: ", 0) == 0) {
    EXPECT_EQ(run.outcome, param.outcome);
  } else {
    EXPECT_EQ(run.outcome.rfind(param.outcome + ": \"" + file.string() + "\" ", 0), 0u)
        << run.outcome;
    EXPECT_NE(run.outcome.find(param.says), std::string::npos) << run.outcome;
  }
  EXPECT_LT(run.seconds, source::testing::timeBoundSeconds()) << run.outcome;
  if (source::testing::memoryIsMeasured()) {
    EXPECT_LT(run.peakBytes, source::testing::kMemoryBoundBytes) << run.outcome;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Files, OdsHostileFile,
    ::testing::Values(
        HostileFile{"DataRepeatedOverTheWholeGrid",
                    package(packageParts(oneTable(
                        "<table:table-row table:number-rows-repeated=\"1048576\">"
                        "<table:table-cell table:number-columns-repeated=\"16384\" "
                        "office:value-type=\"string\"><text:p>x</text:p></table:table-cell>"
                        "</table:table-row>"))),
                    refused(Kind::LimitExceeded), "cells beyond those written out"},
        HostileFile{"PaddingRepeatedFarPastTheGrid",
                    package(packageParts(oneTable(
                        "<table:table-row>" + kCell +
                        "<table:table-cell table:number-columns-repeated=\"1099511627776\"/>"
                        "</table:table-row><table:table-row "
                        "table:number-rows-repeated=\"1099511627776\"><table:table-cell "
                        "table:number-columns-repeated=\"16384\"/></table:table-row>"))),
                    "ok: 1 rows, 1 cells", ""},
        HostileFile{"EntityBomb", package(packageParts(kEntityBomb)), refused(Kind::LimitExceeded),
                    "declares a document type"},
        HostileFile{"ZipBomb", package(zipBomb()), refused(Kind::LimitExceeded),
                    "the mark of a zip bomb"},
        HostileFile{"MissingContent", package({{"mimetype", wholePart(testing::kSpreadsheetType)}}),
                    refused(Kind::Corrupt), "has no content.xml"},
        HostileFile{"TextDocumentMimetype",
                    package(withPart(packageParts(oneTable("")), "mimetype",
                                     "application/vnd.oasis.opendocument.text")),
                    refused(Kind::Unsupported), "is an OpenDocument file but not a spreadsheet"},
        HostileFile{
            "ForeignMimetype",
            package(withPart(packageParts(oneTable("")), "mimetype", "application/epub+zip")),
            refused(Kind::Unsupported), "mimetype entry says \"application/epub+zip\""},
        HostileFile{"TextDocumentBody", package({{"content.xml", wholePart(textDocument())}}),
                    refused(Kind::Unsupported), "(its body holds text)"},
        HostileFile{"NoTable", package(packageParts(testing::contentXml(""))),
                    refused(Kind::NoWorksheet), "holds no sheet"},
        HostileFile{"Encrypted",
                    package(withPart(packageParts("\x8f\x12 not XML"), "META-INF/manifest.xml",
                                     testing::manifestXml(true))),
                    refused(Kind::Encrypted), "is protected by a password"},
        HostileFile{"Truncated", truncated, refused(Kind::Corrupt), "damaged"},
        HostileFile{"ContentCutShort",
                    package(packageParts(oneTable("<table:table-row>" + kCell).substr(0, 600))),
                    refused(Kind::Corrupt), "content.xml is not well-formed XML"},
        HostileFile{"NestedDeepInACell", package(packageParts(deeplyNested())),
                    refused(Kind::LimitExceeded), "nests XML elements more than"}),
    hostileName);

}  // namespace
}  // namespace quillmere::source::ods
