// OpenDocument packages and flat files through openWorkbook: what is read, and the list of
// sheets.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "source/Workbook.h"
#include "source/WorkbookError.h"
#include "tests/source/ods/GeneratedOds.h"
#include "tests/source/ods/OdsXml.h"

namespace quillmere::source::ods {
namespace {

namespace fs = std::filesystem;
using testing::contentXml;
using testing::packageParts;
using testing::Parts;
using testing::tsv;
using xlsx::testing::TemporaryFolder;
using xlsx::testing::wholePart;

const std::string kHiddenStyle =
    "<style:style style:name=\"ta2\" style:family=\"table\"><style:table-properties "
    "table:display=\"false\"/></style:style><style:style style:name=\"ce1\" "
    "style:family=\"table-cell\"><style:table-properties table:display=\"false\"/></style:style>";

std::string table(const std::string& name, const std::string& style, const std::string& text) {
  return "<table:table table:name=\"" + name + "\" table:style-name=\"" + style +
         "\"><table:table-row><table:table-cell office:value-type=\"string\"><text:p>" + text +
         "</text:p></table:table-cell></table:table-row></table:table>";
}

const std::string kThreeTables =
    contentXml(table("Hidden &amp; first", "ta2", "one") + table("Second", "ce1", "two") +
                   table("Third", "ta1", "three"),
               kHiddenStyle);

TEST(OdsWorkbook, ListsTablesInTabOrderWithHiddenOnesAndReadsTheFirst) {
  TemporaryFolder folder;
  const fs::path file = folder.path() / "three.ods";
  testing::writePackage(file, packageParts(kThreeTables));
  auto workbook = openWorkbook(file);
  EXPECT_EQ(workbook->sheets(),
            (std::vector<SheetEntry>{{"Hidden & first", SheetKind::Worksheet, true},
                                     {"Second", SheetKind::Worksheet, false},
                                     {"Third", SheetKind::Worksheet, false}}));
  EXPECT_EQ(workbook->sheetIndex(), 0u);
  EXPECT_EQ(tsv(workbook->sheet()), "one\n");
  auto third = openWorkbook(file, {}, 2);
  EXPECT_EQ(third->sheetIndex(), 2u);
  EXPECT_EQ(tsv(third->sheet()), "three\n");
  EXPECT_THROW(openWorkbook(file, {}, 3), WorkbookError);
}

std::string metaXml(const std::string& tableCount) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<office:document-meta "
         "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
         "xmlns:meta=\"urn:oasis:names:tc:opendocument:xmlns:meta:1.0\"><office:meta>"
         "<meta:document-statistic meta:table-count=\"" +
         tableCount + "\" meta:cell-count=\"3\"/></office:meta></office:document-meta>";
}

// meta.xml's count of tables ends the listing at the last of them; one that is no count is
// passed over.
TEST(OdsWorkbook, ListsAsManyTablesAsTheDocumentSaysItHas) {
  TemporaryFolder folder;
  const fs::path file = folder.path() / "counted.ods";
  for (const auto& [count, listed] : {std::pair{"2", 2u}, std::pair{"3", 3u}, std::pair{"9", 3u},
                                      std::pair{"0", 3u}, std::pair{"two", 3u}}) {
    Parts parts = packageParts(kThreeTables);
    parts.emplace_back("meta.xml", wholePart(metaXml(count)));
    testing::writePackage(file, parts);
    auto workbook = openWorkbook(file);
    EXPECT_EQ(workbook->sheets().size(), listed) << count;
    EXPECT_EQ(tsv(workbook->sheet()), "one\n");
  }
}

TEST(OdsWorkbook, ReadsAFlatFileAsAPackage) {
  TemporaryFolder folder;
  const fs::path file = folder.path() / "flat.fods";
  std::string flat = kThreeTables;
  flat.replace(flat.find("office:document-content"), 23, "office:document");
  flat.replace(flat.rfind("office:document-content"), 23, "office:document");
  std::ofstream(file, std::ios::binary) << flat;
  auto workbook = openWorkbook(file, {}, 1);
  EXPECT_EQ(workbook->sheets().size(), 3u);
  EXPECT_EQ(tsv(workbook->sheet()), "two\n");
}

struct Package {
  const char* name;
  Parts parts;
};

void PrintTo(const Package& p, std::ostream* out) {
  *out << p.name;
}

std::string packageName(const ::testing::TestParamInfo<Package>& info) {
  return info.param.name;
}

class OdsPackageOddity : public ::testing::TestWithParam<Package> {};

// Spreadsheet programs read these packages, whose cells are sound.
TEST_P(OdsPackageOddity, StillReads) {
  TemporaryFolder folder;
  const fs::path file = folder.path() / "odd.ods";
  testing::writePackage(file, GetParam().parts);
  EXPECT_EQ(tsv(openWorkbook(file)->sheet()), "one\n");
}

Parts withoutPart(Parts parts, const std::string& name) {
  std::erase_if(parts, [&](const auto& part) { return part.first == name; });
  return parts;
}

Parts withPart(Parts parts, const std::string& name, const std::string& text) {
  parts = withoutPart(std::move(parts), name);
  parts.emplace_back(name, wholePart(text));
  return parts;
}

INSTANTIATE_TEST_SUITE_P(
    Packages, OdsPackageOddity,
    ::testing::Values(
        Package{"NoMimetype", withoutPart(packageParts(kThreeTables), "mimetype")},
        Package{"MimetypeNotFirst",
                withPart(packageParts(kThreeTables), "mimetype", testing::kSpreadsheetType)},
        Package{"NoManifest", withoutPart(packageParts(kThreeTables), "META-INF/manifest.xml")},
        Package{"DamagedMeta", withPart(packageParts(kThreeTables), "meta.xml", "<office:")},
        Package{"DamagedManifest",
                withPart(packageParts(kThreeTables), "META-INF/manifest.xml", "<manifest:")},
        Package{"MimetypeWithLineEnd", withPart(packageParts(kThreeTables), "mimetype",
                                                std::string(testing::kSpreadsheetType) + "\n")}),
    packageName);

}  // namespace
}  // namespace quillmere::source::ods
