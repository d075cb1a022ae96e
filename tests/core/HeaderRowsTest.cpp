#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "core/HeaderNames.h"

namespace quillmere::core {
namespace {

// One column of a real export's header row: its header, the field it holds (none when
// empty; a More Field only while they are offered) and, for a Type column, the value most
// rows hold in it.
struct Column {
  std::string header;
  std::string expected;
  std::string value;
};

std::vector<Column> readRow(const std::filesystem::path& file) {
  std::ifstream in(file);
  std::vector<Column> row;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line.front() == '#') continue;
    Column column;
    const auto tab = line.find('\t');
    const auto secondTab = line.find('\t', tab + 1);
    column.header = line.substr(0, tab);
    column.expected = line.substr(tab + 1, secondTab - tab - 1);
    if (secondTab != std::string::npos) column.value = line.substr(secondTab + 1);
    row.push_back(column);
  }
  return row;
}

// "thunderbird-pt-BR.tsv" is Portuguese; the bar is set per language.
bool mainLanguage(const std::string& stem) {
  for (const char* language : {"en", "de", "fr", "es", "it", "pt", "nl", "pl"}) {
    const std::string tail = std::string("-") + language;
    if (stem.ends_with(tail) || stem.find(tail + "-") != std::string::npos) return true;
  }
  return false;
}

TEST(HeaderRows, RealExportRowsPairAtLeastTheGoalAndNoWrongFieldInAnyLanguage) {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(QUILLMERE_HEADER_ROWS))
    files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  ASSERT_GE(files.size(), 30u);
  for (const bool moreFields : {false, true}) {
    for (const auto& file : files) {
      std::vector<Column> row = readRow(file);
      std::vector<std::string> headers;
      for (Column& column : row) {
        headers.push_back(column.header);
        const auto field = fieldFromName(column.expected, true);
        if (field && isMoreField(*field) && !moreFields) column.expected.clear();
      }
      HeaderContext context;
      context.moreFields = moreFields;
      context.columnValues = [&](std::size_t i) { return std::vector<std::string>{row[i].value}; };
      std::size_t expected = 0, right = 0, wrong = 0;
      std::string problems;
      for (const Column& column : row)
        expected += column.expected.empty() ? 0 : 1;
      for (const auto& [index, field] : matchHeadersByName(headers, {}, context)) {
        const bool good = fieldName(field) == row[index].expected;
        (good ? right : wrong) += 1;
        if (!good)
          problems +=
              "  wrong: " + row[index].header + " -> " + std::string(fieldName(field)) + "\n";
      }
      const std::string stem = file.stem().string();
      const std::string name = stem + (moreFields ? " with More Fields" : "");
      const double share =
          expected == 0 ? 1.0 : static_cast<double>(right) / static_cast<double>(expected);
      std::cout << name << ": " << right << " of " << expected << " pairs ("
                << static_cast<int>(share * 100 + 0.5) << "%), " << wrong << " wrong\n"
                << problems;
      EXPECT_GE(share, mainLanguage(stem) ? 0.9 : 0.75) << name;
      EXPECT_EQ(wrong, 0u) << name;
    }
  }
}

}  // namespace
}  // namespace quillmere::core
