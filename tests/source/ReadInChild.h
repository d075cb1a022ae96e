#pragma once

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <sstream>
#include <string>

#include "source/ReadLimits.h"
#include "source/Workbook.h"
#include "source/WorkbookError.h"

namespace quillmere::source {

// What reading a whole first sheet came to, in a process of its own so that the peak memory
// is that of the one read.
struct ChildRead {
  bool finished = false;    // the child reported back (it did not crash)
  bool read = false;        // every row was read; else `kind` and `message` say why not
  bool unexpected = false;  // it failed with an exception other than WorkbookError
  WorkbookError::Kind kind = WorkbookError::Kind::Corrupt;
  std::string message;
  std::uint64_t rows = 0;
  std::uint64_t cells = 0;
  std::uint64_t textBytes = 0;
  std::size_t widestRow = 0;
  double numberSum = 0;
  long peakKiB = 0;  // the child's ru_maxrss
};

// AddressSanitizer keeps freed memory aside and adds its own, and ThreadSanitizer its shadow of
// every byte, so peaks mean nothing there.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
inline constexpr bool kPeakMemoryMeaningful = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
inline constexpr bool kPeakMemoryMeaningful = false;
#else
inline constexpr bool kPeakMemoryMeaningful = true;
#endif
#else
inline constexpr bool kPeakMemoryMeaningful = true;
#endif

// Opens `file` and reads every cell of its first sheet in a forked child.
inline ChildRead readInChild(const std::filesystem::path& file, const ReadLimits& limits = {}) {
  int pipeEnds[2];
  ChildRead result;
  if (pipe(pipeEnds) != 0) return result;
  const pid_t child = fork();
  if (child < 0) {
    close(pipeEnds[0]);
    close(pipeEnds[1]);
    return result;
  }
  if (child == 0) {
    close(pipeEnds[0]);
    std::ostringstream report;
    try {
      auto workbook = openWorkbook(file, limits);
      SheetReader& sheet = workbook->sheet();
      ChildRead counts;
      while (sheet.nextRow()) {
        ++counts.rows;
        counts.widestRow = std::max(counts.widestRow, sheet.cellCount());
        for (std::size_t c = 0; c < sheet.cellCount(); ++c) {
          const CellValue cell = sheet.cell(c);
          if (cell.kind == CellKind::Empty) continue;
          ++counts.cells;
          counts.textBytes += cell.text.size();
          if (cell.kind == CellKind::Number) counts.numberSum += cell.number;
        }
      }
      report.precision(17);
      report << "read " << counts.rows << ' ' << counts.cells << ' ' << counts.textBytes << ' '
             << counts.widestRow << ' ' << counts.numberSum << '\n';
    } catch (const WorkbookError& e) {
      report << "error " << static_cast<int>(e.kind()) << '\n' << e.what();
    } catch (const std::exception& e) {
      report << "exception\n" << e.what();
    }
    const std::string text = report.str();
    std::size_t done = 0;
    while (done < text.size()) {
      const ssize_t wrote = write(pipeEnds[1], text.data() + done, text.size() - done);
      if (wrote <= 0) break;
      done += static_cast<std::size_t>(wrote);
    }
    _exit(done == text.size() ? 0 : 1);
  }
  close(pipeEnds[1]);
  std::string text;
  char chunk[4096];
  for (ssize_t got; (got = read(pipeEnds[0], chunk, sizeof chunk)) > 0;)
    text.append(chunk, static_cast<std::size_t>(got));
  close(pipeEnds[0]);
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    return result;
  }
  result.peakKiB = usage.ru_maxrss;
  std::istringstream in(text);
  std::string word;
  in >> word;
  if (word == "read") {
    result.read = true;
    in >> result.rows >> result.cells >> result.textBytes >> result.widestRow >> result.numberSum;
    result.finished = static_cast<bool>(in);
  } else if (word == "error") {
    int kind = 0;
    in >> kind;
    in.get();
    result.kind = static_cast<WorkbookError::Kind>(kind);
    std::getline(in, result.message, '\0');
    result.finished = true;
  } else {
    std::getline(in, result.message, '\0');
    result.unexpected = true;
    result.finished = true;
  }
  return result;
}

}  // namespace quillmere::source
