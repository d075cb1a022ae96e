// Every workbook of the shared corpora, the workbooks and the OpenDocument spreadsheets: files to
// read match their reference text forms, files to refuse give a WorkbookError that names them
// within 20 seconds, and files that may be either are read or refused within the same time.
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
#include "tests/source/BoundedRun.h"
#include "tests/source/KeptSheetTsv.h"

namespace quillmere::source {
namespace {

namespace fs = std::filesystem;

struct CorpusEntry {
  std::filesystem::path corpus;
  std::string name;
  std::string format;
  std::string expected;  // read, reject or read-or-reject
};

void PrintTo(const CorpusEntry& entry, std::ostream* out) {
  *out << entry.name;
}

// Refusing a file, or reading one that may be refused, takes at most this long.
constexpr double kRefusalSeconds = 20.0;

std::vector<CorpusEntry> loadManifest(const fs::path& corpus) {
  std::vector<CorpusEntry> entries;
  std::ifstream in(corpus / "MANIFEST.tsv");
  std::string line;
  std::getline(in, line);  // column names
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    CorpusEntry entry;
    entry.corpus = corpus;
    std::getline(fields, entry.name, '\t');
    std::getline(fields, entry.format, '\t');
    std::getline(fields, entry.expected, '\t');
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
  const fs::path file = entry.corpus / "files" / entry.name;
  if (entry.expected == "read") {
    std::ostringstream actual;
    try {
      auto workbook = openWorkbook(file);
      writeSheetTsv(workbook->sheet(), actual);
    } catch (const WorkbookError& e) {
      FAIL() << e.what();
    }
    const fs::path reference = entry.corpus / "expected" / (entry.name + ".tsv");
    EXPECT_TRUE(sameSheet(readFile(reference), actual.str()));

    // Kept in memory, as a load keeps the rows for the conversion, the sheet reads the same.
    EXPECT_TRUE(sameSheet(readFile(reference), test::keptSheetTsv(file, CellText::TextForm)))
        << "from the kept rows";
    return;
  }
  // In a child of its own, so that a file which hangs or crashes fails only its own test.
  const testing::BoundedRun run = testing::runBounded([&file] {
    auto workbook = openWorkbook(file);
    std::ostringstream ignored;
    writeSheetTsv(workbook->sheet(), ignored);
    return std::string("read");
  });
  EXPECT_LT(run.seconds, kRefusalSeconds) << run.outcome;
  if (entry.expected == "read-or-reject" && run.outcome == "ok: read") return;
  EXPECT_EQ(run.outcome.rfind("WorkbookError ", 0), 0u) << run.outcome;
  EXPECT_NE(run.outcome.find(entry.name), std::string::npos) << run.outcome;
}

std::string testName(const ::testing::TestParamInfo<CorpusEntry>& info) {
  std::string name = info.param.name;
  for (auto& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(Files, Corpus, ::testing::ValuesIn(loadManifest(QUILLMERE_CORPUS_DIR)),
                         testName);
INSTANTIATE_TEST_SUITE_P(OdsFiles, Corpus,
                         ::testing::ValuesIn(loadManifest(QUILLMERE_ODS_CORPUS_DIR)), testName);

}  // namespace
}  // namespace quillmere::source
