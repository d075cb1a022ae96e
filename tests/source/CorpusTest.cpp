// Every workbook of the shared corpus: files to read match their reference text forms,
// files to refuse give a WorkbookError that names them.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
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

struct CorpusEntry {
  std::string name;
  std::string format;
  bool read = false;
};

void PrintTo(const CorpusEntry& entry, std::ostream* out) {
  *out << entry.name;
}

const fs::path kCorpus = QUILLMERE_CORPUS_DIR;

std::vector<CorpusEntry> loadManifest() {
  std::vector<CorpusEntry> entries;
  std::ifstream in(kCorpus / "MANIFEST.tsv");
  std::string line;
  std::getline(in, line);  // column names
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    CorpusEntry entry;
    std::string expected;
    std::getline(fields, entry.name, '\t');
    std::getline(fields, entry.format, '\t');
    std::getline(fields, expected, '\t');
    entry.read = expected == "read";
    if (!entry.name.empty()) entries.push_back(entry);
  }
  return entries;
}

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Reports the first differing line, which says far more than two whole sheets.
::testing::AssertionResult sameSheet(const std::string& expected, const std::string& actual) {
  if (expected == actual) return ::testing::AssertionSuccess();
  std::istringstream e(expected), a(actual);
  std::string el, al;
  for (int line = 1;; ++line) {
    const bool moreE = static_cast<bool>(std::getline(e, el));
    const bool moreA = static_cast<bool>(std::getline(a, al));
    if (!moreE && !moreA) break;
    if (moreE != moreA || el != al) {
      return ::testing::AssertionFailure()
             << "line " << line << "\n  expected: " << (moreE ? el : "<end>")
             << "\n  actual:   " << (moreA ? al : "<end>");
    }
  }
  return ::testing::AssertionFailure() << "line ends differ";
}

class Corpus : public ::testing::TestWithParam<CorpusEntry> {};

TEST_P(Corpus, ReadsAsReferenceOrIsRefusedByName) {
  const CorpusEntry& entry = GetParam();
  const fs::path file = kCorpus / "files" / entry.name;
  if (entry.read) {
    std::ostringstream actual;
    try {
      auto workbook = openWorkbook(file);
      writeSheetTsv(workbook->sheet(), actual);
    } catch (const WorkbookError& e) {
      FAIL() << e.what();
    }
    const fs::path reference = kCorpus / "expected" / (entry.name + ".tsv");
    EXPECT_TRUE(sameSheet(readFile(reference), actual.str()));

    // Kept in memory, as a load keeps the rows for the conversion, the sheet reads the same.
    EXPECT_TRUE(sameSheet(readFile(reference), test::keptSheetTsv(file, CellText::TextForm)))
        << "from the kept rows";
  } else {
    try {
      auto workbook = openWorkbook(file);
      std::ostringstream ignored;
      writeSheetTsv(workbook->sheet(), ignored);
      FAIL() << "read without an error";
    } catch (const WorkbookError& e) {
      EXPECT_NE(std::string(e.what()).find(entry.name), std::string::npos) << e.what();
    }
  }
}

std::string testName(const ::testing::TestParamInfo<CorpusEntry>& info) {
  std::string name = info.param.name;
  for (auto& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(Files, Corpus, ::testing::ValuesIn(loadManifest()), testName);

}  // namespace
}  // namespace quillmere::source
