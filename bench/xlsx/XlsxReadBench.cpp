// How long reading the first sheet of a large .xlsx takes next to the least any reader
// must do: inflate the sheet part with libzip and pass it through expat with no handlers.
// Usage: xlsx_read_bench FILE.xlsx [RUNS]. Exits 1 when the reader is over its goals:
// at most 1.3 times the baseline, and a peak resident size under 64 MiB.
#include <expat.h>
#include <sys/resource.h>
#include <zip.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <string>
#include <type_traits>

#include "source/Workbook.h"
#include "source/WorkbookError.h"

namespace {

constexpr double kMaxRatio = 1.3;
constexpr long kMaxPeakKiB = 64 * 1024;
constexpr int kChunkBytes = 64 * 1024;

struct Discard {
  void operator()(zip_t* z) const { zip_discard(z); }
};
struct Close {
  void operator()(zip_file_t* f) const { static_cast<void>(zip_fclose(f)); }
};
struct Free {
  void operator()(XML_Parser p) const { XML_ParserFree(p); }
};

double seconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double>(d).count();
}

// Inflates `part` and parses it with no handlers; returns the bytes seen.
std::uint64_t baseline(const char* file, const char* part) {
  int error = 0;
  std::unique_ptr<zip_t, Discard> archive(zip_open(file, ZIP_RDONLY, &error));
  if (!archive) throw std::runtime_error("cannot open the archive");
  std::unique_ptr<zip_file_t, Close> entry(zip_fopen(archive.get(), part, 0));
  if (!entry) throw std::runtime_error(std::string("no part ") + part);
  std::unique_ptr<std::remove_pointer_t<XML_Parser>, Free> parser(XML_ParserCreate(nullptr));
  if (!parser) throw std::runtime_error("no parser");
  std::uint64_t total = 0;
  for (;;) {
    void* buffer = XML_GetBuffer(parser.get(), kChunkBytes);
    if (buffer == nullptr) throw std::runtime_error("no parser buffer");
    const zip_int64_t got = zip_fread(entry.get(), buffer, kChunkBytes);
    if (got < 0) throw std::runtime_error("inflate failed");
    if (XML_ParseBuffer(parser.get(), static_cast<int>(got), got == 0) != XML_STATUS_OK) {
      throw std::runtime_error("XML error");
    }
    total += static_cast<std::uint64_t>(got);
    if (got == 0) return total;
  }
}

// Reads every cell of the first sheet the way the converter does.
std::uint64_t readAll(const char* file, std::uint64_t& rows) {
  auto workbook = quillmere::source::openWorkbook(file);
  auto& sheet = workbook->sheet();
  std::uint64_t checksum = 0;
  rows = 0;
  while (sheet.nextRow()) {
    ++rows;
    for (std::size_t c = 0; c < sheet.cellCount(); ++c) {
      const auto cell = sheet.cell(c);
      checksum += static_cast<std::uint64_t>(cell.kind) + cell.text.size() +
                  static_cast<std::uint64_t>(cell.number);
    }
  }
  return checksum;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: xlsx_read_bench FILE.xlsx [RUNS]\n");
    return 2;
  }
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
  try {
    double bestBase = 1e300, bestRead = 1e300;
    std::uint64_t bytes = 0, rows = 0, checksum = 0;
    for (int i = 0; i < runs; ++i) {
      auto start = std::chrono::steady_clock::now();
      bytes = baseline(argv[1], "xl/worksheets/sheet1.xml");
      bestBase = std::min(bestBase, seconds(std::chrono::steady_clock::now() - start));
      start = std::chrono::steady_clock::now();
      checksum = readAll(argv[1], rows);
      bestRead = std::min(bestRead, seconds(std::chrono::steady_clock::now() - start));
    }
    rusage usage{};
    if (getrusage(RUSAGE_SELF, &usage) != 0) throw std::runtime_error("getrusage failed");
    const double ratio = bestRead / bestBase;
    std::printf("sheet part: %llu bytes, %llu rows (checksum %llu)\n",
                static_cast<unsigned long long>(bytes), static_cast<unsigned long long>(rows),
                static_cast<unsigned long long>(checksum));
    std::printf("inflate + expat alone: %.3f s\n", bestBase);
    std::printf("xlsx reader:           %.3f s  (%.2fx, goal <= %.1fx)\n", bestRead, ratio,
                kMaxRatio);
    std::printf("peak resident size:    %ld KiB (goal < %ld KiB)\n", usage.ru_maxrss, kMaxPeakKiB);
    const bool met = ratio <= kMaxRatio && usage.ru_maxrss < kMaxPeakKiB;
    std::printf("%s\n", met ? "goals met" : "GOALS MISSED");
    return met ? 0 : 1;
  } catch (const quillmere::source::WorkbookError& e) {
    std::fprintf(stderr, "%s\n", e.what());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s: %s\n", argv[1], e.what());
  }
  return 2;
}
