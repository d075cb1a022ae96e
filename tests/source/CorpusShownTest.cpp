// The workbooks of the shared corpus whose numbers carry number formats, read as the sheet
// shows them and compared with what LibreOffice Calc displays for them. The expected files
// were made once by tests/source/fixtures/corpus-shown/make-expected.py; where LibreOffice
// and the Excel rules the formatter follows legitimately differ, a rule below accounts for
// the cells, with the reason and their exact number, so nothing differs unnoticed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "source/SheetTsv.h"
#include "source/Workbook.h"
#include "source/WorkbookError.h"
#include "tests/source/KeptSheetTsv.h"

namespace quillmere::source {
namespace {

namespace fs = std::filesystem;

const fs::path kCorpus = fs::path(QUILLMERE_CORPUS_DIR) / "files";
const fs::path kExpected = fs::path(QUILLMERE_FIXTURES_DIR) / "corpus-shown";

enum class Rule {
  // LibreOffice writes Booleans as TRUE and FALSE. Booleans are not numbers, so they keep
  // their text form, True and False.
  BooleanWords,
  // "_x" leaves the width of x blank: Excel, and the formatter, write one space per pair,
  // so "_____)" gives three; LibreOffice writes one per underscore of such a run.
  UnderscoreRuns,
  // LibreOffice counts days from 30 December 1899 with no 29 February 1900, so its dates
  // before March 1900 come a day earlier than Excel's, which the formatter follows.
  EarlyDates1900,
};

struct Difference {
  const char* file;
  Rule rule;
  int cells;  // how many cells of the file the rule accounts for, exactly
};

const Difference kDifferences[] = {
    {"readxl__types.xlsx", Rule::BooleanWords, 4},
    {"sheetjs__Attendance.xlsx", Rule::BooleanWords, 184},
    {"sheetjs__wps_write.xlsx", Rule::BooleanWords, 2},
    {"poi__testEXCEL_3.xls", Rule::UnderscoreRuns, 144},
    {"sheetjs__1900.xlsx", Rule::EarlyDates1900, 2},
};

bool ruleTakes(Rule rule, const std::string& libreOffice, const std::string& ours) {
  switch (rule) {
    case Rule::BooleanWords:
      return (libreOffice == "TRUE" && ours == "True") ||
             (libreOffice == "FALSE" && ours == "False");
    case Rule::UnderscoreRuns: {
      // The same text before the padding, and more padding from LibreOffice.
      const auto end = [](const std::string& s) { return s.find_last_not_of(' ') + 1; };
      return end(libreOffice) == end(ours) && libreOffice.size() > ours.size() &&
             libreOffice.compare(0, end(ours), ours, 0, end(ours)) == 0;
    }
    case Rule::EarlyDates1900:
      // Dates written yyyy-mm-dd, one day apart, in the first two months of 1900.
      return (libreOffice == "1899-12-31" && ours == "1900-01-01") ||
             (libreOffice == "1900-01-10" && ours == "1900-01-11");
  }
  return false;
}

std::vector<std::vector<std::string>> cellsOf(const std::string& tsv) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream lines(tsv);
  std::string line;
  while (std::getline(lines, line)) {
    std::vector<std::string> row;
    std::istringstream fields(line);
    std::string field;
    while (std::getline(fields, field, '\t'))
      row.push_back(field);
    if (!line.empty() && line.back() == '\t') row.emplace_back();
    rows.push_back(row);
  }
  return rows;
}

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<std::string> expectedFiles() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(kExpected)) {
    const std::string name = entry.path().filename().string();
    if (name.size() > 4 && name.ends_with(".tsv")) names.push_back(name.substr(0, name.size() - 4));
  }
  std::sort(names.begin(), names.end());
  return names;
}

class CorpusAsShown : public ::testing::TestWithParam<std::string> {};

TEST_P(CorpusAsShown, MatchesWhatASpreadsheetApplicationDisplays) {
  const std::string& name = GetParam();
  std::ostringstream actual;
  try {
    auto workbook = openWorkbook(kCorpus / name);
    writeSheetTsv(workbook->sheet(), actual, CellText::AsShown);
  } catch (const WorkbookError& e) {
    FAIL() << e.what();
  }
  EXPECT_EQ(test::keptSheetTsv(kCorpus / name, CellText::AsShown), actual.str())
      << "kept in memory as a load keeps it, the sheet shows the same";
  const auto expected = cellsOf(readFile(kExpected / (name + ".tsv")));
  const auto ours = cellsOf(actual.str());
  std::map<Rule, int> taken;
  std::vector<Rule> rules;
  for (const Difference& difference : kDifferences) {
    if (name == difference.file) rules.push_back(difference.rule);
  }
  const std::vector<std::string> none;
  for (std::size_t r = 0; r < std::max(expected.size(), ours.size()); ++r) {
    const auto& expectedRow = r < expected.size() ? expected[r] : none;
    const auto& ourRow = r < ours.size() ? ours[r] : none;
    for (std::size_t c = 0; c < std::max(expectedRow.size(), ourRow.size()); ++c) {
      const std::string libreOffice = c < expectedRow.size() ? expectedRow[c] : "";
      const std::string shown = c < ourRow.size() ? ourRow[c] : "";
      if (libreOffice == shown) continue;
      const auto rule = std::find_if(rules.begin(), rules.end(), [&](Rule candidate) {
        return ruleTakes(candidate, libreOffice, shown);
      });
      if (rule != rules.end()) {
        ++taken[*rule];
        continue;
      }
      ADD_FAILURE() << "row " << r + 1 << ", column " << c + 1 << ": LibreOffice shows \""
                    << libreOffice << "\", Quillmere \"" << shown << "\"";
    }
  }
  for (const Difference& difference : kDifferences) {
    if (name == difference.file) {
      EXPECT_EQ(taken[difference.rule], difference.cells)
          << "cells a known difference accounts for, rule " << static_cast<int>(difference.rule);
    }
  }
}

TEST(CorpusAsShown, EveryKnownDifferenceNamesAFileCompared) {
  const auto names = expectedFiles();
  for (const Difference& difference : kDifferences) {
    EXPECT_TRUE(std::find(names.begin(), names.end(), difference.file) != names.end())
        << difference.file;
  }
  // The corpus has dozens of workbooks with number formats; far fewer means the expected
  // files went missing.
  EXPECT_GE(names.size(), 40u);
}

INSTANTIATE_TEST_SUITE_P(Files, CorpusAsShown, ::testing::ValuesIn(expectedFiles()),
                         [](const ::testing::TestParamInfo<std::string>& param) {
                           std::string name = param.param;
                           for (char& c : name) {
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           }
                           return name;
                         });

}  // namespace
}  // namespace quillmere::source
