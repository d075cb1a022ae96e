// The least any .xlsx reader must do: inflate the worksheet and the shared strings with
// libzip and pass them through expat with no handlers. Prints the time and peak memory.
// Usage: read-floor FILE.xlsx [SHEET-PART]
#include <expat.h>
#include <sys/resource.h>
#include <zip.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

// User and system time: on a shared machine it varies less than the wall clock.
double cpuSeconds(const rusage& usage) {
  const auto part = [](const timeval& t) {
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
  };
  return part(usage.ru_utime) + part(usage.ru_stime);
}

constexpr std::size_t kChunkBytes = 64 * 1024;

struct ArchiveCloser {
  void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct EntryCloser {
  // Only read from, so a failed close loses nothing.
  void operator()(zip_file_t* entry) const { static_cast<void>(zip_fclose(entry)); }
};
struct ParserFreer {
  void operator()(XML_ParserStruct* parser) const { XML_ParserFree(parser); }
};

// Inflates one part through a handler-less parser; the bytes inflated, or -1.
long long parsePart(zip_t* archive, const char* name, std::vector<char>& chunk) {
  std::unique_ptr<zip_file_t, EntryCloser> entry(zip_fopen(archive, name, 0));
  if (!entry) return -1;
  std::unique_ptr<XML_ParserStruct, ParserFreer> parser(XML_ParserCreate(nullptr));
  if (!parser) return -1;
  long long total = 0;
  for (;;) {
    const zip_int64_t got = zip_fread(entry.get(), chunk.data(), chunk.size());
    if (got < 0) return -1;
    total += got;
    if (XML_Parse(parser.get(), chunk.data(), static_cast<int>(got), got == 0) ==
        XML_STATUS_ERROR) {
      std::fprintf(stderr, "%s: %s\n", name, XML_ErrorString(XML_GetErrorCode(parser.get())));
      return -1;
    }
    if (got == 0) return total;
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::fputs("usage: read-floor FILE.xlsx [SHEET-PART]\n", stderr);
    return 2;
  }
  const char* sheetPart = argc == 3 ? argv[2] : "xl/worksheets/sheet1.xml";
  const auto start = std::chrono::steady_clock::now();
  int error = 0;
  std::unique_ptr<zip_t, ArchiveCloser> archive(zip_open(argv[1], ZIP_RDONLY, &error));
  if (!archive) {
    std::fprintf(stderr, "%s: not a readable zip archive (libzip error %d)\n", argv[1], error);
    return 1;
  }
  std::vector<char> chunk(kChunkBytes);
  long long bytes = 0;
  if (zip_name_locate(archive.get(), "xl/sharedStrings.xml", 0) >= 0) {
    const long long strings = parsePart(archive.get(), "xl/sharedStrings.xml", chunk);
    if (strings < 0) return 1;
    bytes += strings;
  }
  const long long sheet = parsePart(archive.get(), sheetPart, chunk);
  if (sheet < 0) {
    std::fprintf(stderr, "%s: cannot read %s\n", argv[1], sheetPart);
    return 1;
  }
  bytes += sheet;
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  rusage usage{};
  if (getrusage(RUSAGE_SELF, &usage) != 0) {
    std::perror("getrusage");
    return 2;
  }
  std::printf("xml_bytes=%lld seconds=%.4f cpu_seconds=%.4f peak_kib=%ld\n", bytes, seconds,
              cpuSeconds(usage), usage.ru_maxrss);
  return 0;
}
