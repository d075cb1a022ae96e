#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "source/SheetList.h"
#include "source/SheetTsv.h"
#include "source/Workbook.h"
#include "source/WorkbookError.h"
#include "tests/support/ScratchFolder.h"

namespace quillmere::source {
namespace {

namespace fs = std::filesystem;
using Kind = WorkbookError::Kind;

class OpenWorkbook : public ::testing::Test {
 protected:
  fs::path write(const std::string& name, const std::string& bytes) {
    return dir_.write(name, bytes);
  }

  // The error that opening gives; fails the test when the file opens.
  static WorkbookError errorOf(const fs::path& path) {
    try {
      openWorkbook(path);
    } catch (const WorkbookError& e) {
      return e;
    }
    ADD_FAILURE() << path << " opened";
    return WorkbookError(Kind::Corrupt, path, "");
  }

  quillmere::test::ScratchFolder dir_{"opener"};
};

TEST_F(OpenWorkbook, AMissingFileIsNamedInItsMessage) {
  const auto error = errorOf(dir_ / "contacts.xlsx");
  EXPECT_EQ(error.kind(), Kind::NotFound);
  EXPECT_NE(std::string(error.what()).find("contacts.xlsx"), std::string::npos);
  EXPECT_NE(std::string(error.what()).find("does not exist"), std::string::npos);
}

TEST_F(OpenWorkbook, AFolderIsNotAWorkbook) {
  EXPECT_EQ(errorOf(dir_.path()).kind(), Kind::Unreadable);
}

TEST_F(OpenWorkbook, AnEmptyFileSaysSo) {
  const auto error = errorOf(write("empty.csv", ""));
  EXPECT_EQ(error.kind(), Kind::EmptyFile);
  EXPECT_NE(std::string(error.what()).find("empty.csv"), std::string::npos);
}

TEST_F(OpenWorkbook, AWebPageWithASpreadsheetNameIsRefused) {
  for (const char* page : {"<html><body><table><tr><td>1</td></tr></table></body></html>",
                           "\xEF\xBB\xBF  <!DOCTYPE html><html></html>",
                           "<?xml version=\"1.0\"?><Workbook/>", "<TABLE><TR><TD>x</TD></TABLE>"}) {
    const auto error = errorOf(write("page.xls", page));
    EXPECT_EQ(error.kind(), Kind::Unsupported) << page;
    EXPECT_NE(std::string(error.what()).find("web page"), std::string::npos);
  }
}

TEST_F(OpenWorkbook, BinaryDataThatIsNoWorkbookIsRefused) {
  const auto error = errorOf(write("picture.xls", std::string("BM\x36\0\0\0\0\0", 8)));
  EXPECT_EQ(error.kind(), Kind::Unsupported);
  EXPECT_NE(std::string(error.what()).find("not a spreadsheet Quillmere can read"),
            std::string::npos);
}

TEST_F(OpenWorkbook, ANulByteRefusesATextFileWhereverItIs) {
  // The opener looks at the first 4 KiB; a NUL byte in them or after them is the same fault.
  std::string text;
  while (text.size() < 8192)
    text += "Anna,anna@example.org\n";  // 22 bytes a line
  for (const std::size_t at : {100, 4095, 4096, 6000}) {
    std::string bytes = text;
    bytes[at] = '\0';
    const auto error = errorOf(write("nul.csv", bytes));
    EXPECT_EQ(error.kind(), Kind::Unsupported) << at;
    const std::string message = error.what();
    EXPECT_NE(message.find("not a spreadsheet Quillmere can read"), std::string::npos) << message;
    EXPECT_NE(message.find("line " + std::to_string(at / 22 + 1) + " holds a NUL byte"),
              std::string::npos)
        << message;
  }
}

TEST_F(OpenWorkbook, ListsEverySheetInTabOrderAndOpensAnyWorksheetOfThem) {
  const fs::path fixtures = QUILLMERE_FIXTURES_DIR;
  const std::vector<SheetEntry> tabs = {{"Notes", SheetKind::Worksheet, false},
                                        {"Chart", SheetKind::Chart, false},
                                        {"Archiv \u00e4lter", SheetKind::Worksheet, true},
                                        {"Contacts", SheetKind::Worksheet, false}};
  std::vector<SheetEntry> xlsxTabs = tabs;
  xlsxTabs[1].name = "Chart1";
  const struct {
    fs::path file;
    std::vector<SheetEntry> sheets;
    std::vector<std::string> texts;  // each sheet's text as sheetdump prints it; "" for none
  } cases[] = {
      {fixtures / "xlsx/sheets-hidden-and-chart.xlsx",
       xlsxTabs,
       {"notes\n", "", "hidden\n", "Our contacts\n\nName\tMail\nAnn\tann@example.org\n"}},
      {fixtures / "xls/sheets-hidden-and-chart.xls",
       tabs,
       {"notes\n", "", "hidden\n", "Our contacts\n\nName\tMail\nAnn\tann@example.org\n"}},
      {write("list.csv", "Name\r\nAnn\r\n"), {{"list"}}, {"Name\nAnn\n"}},
  };
  for (const auto& c : cases) {
    const auto first = openWorkbook(c.file);
    EXPECT_EQ(first->sheets(), c.sheets) << c.file;
    EXPECT_EQ(first->sheetIndex(), 0u) << c.file;
    for (std::size_t i = 0; i < c.sheets.size(); ++i) {
      if (c.sheets[i].kind != SheetKind::Worksheet) {
        try {
          openWorkbook(c.file, {}, i);
          ADD_FAILURE() << c.file << " opened its chart";
        } catch (const WorkbookError& e) {
          EXPECT_EQ(e.kind(), Kind::NoWorksheet);
          EXPECT_NE(std::string(e.what()).find("\"" + c.sheets[i].name + "\": it is a chart sheet"),
                    std::string::npos)
              << e.what();
        }
        continue;
      }
      const auto opened = openWorkbook(c.file, {}, i);
      EXPECT_EQ(opened->sheetIndex(), i);
      std::ostringstream text;
      writeSheetTsv(opened->sheet(), text);
      EXPECT_EQ(text.str(), c.texts[i]) << c.file << " sheet " << i;
    }
    // Past the last sheet, the message counts them; by name or number, the same sheet.
    EXPECT_THROW(openWorkbook(c.file, {}, c.sheets.size()), WorkbookError);
    EXPECT_EQ(findSheet(c.sheets, c.sheets.back().name), c.sheets.size() - 1);
    EXPECT_EQ(findSheet(c.sheets, std::to_string(c.sheets.size())), c.sheets.size() - 1);
    EXPECT_EQ(findSheet(c.sheets, "0"), std::nullopt);
    EXPECT_EQ(findSheet(c.sheets, "no such sheet"), std::nullopt);
  }
}

}  // namespace
}  // namespace quillmere::source
