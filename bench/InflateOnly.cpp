// The limit any .xlsx reader is held to: inflating the worksheet and the shared strings with
// libzip (CRC checks included), nothing parsed. Prints the bytes, the time and peak memory.
// Usage: inflate-only FILE.xlsx [SHEET-PART]
#include <sys/resource.h>
#include <zip.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

struct ArchiveCloser {
  void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct EntryCloser {
  // Only read from, so a failed close loses nothing.
  void operator()(zip_file_t* entry) const { static_cast<void>(zip_fclose(entry)); }
};

// The bytes one part inflates to, or -1.
long long inflatePart(zip_t* archive, const char* name, std::vector<char>& chunk) {
  std::unique_ptr<zip_file_t, EntryCloser> entry(zip_fopen(archive, name, 0));
  if (!entry) return -1;
  long long total = 0;
  for (;;) {
    const zip_int64_t got = zip_fread(entry.get(), chunk.data(), chunk.size());
    if (got < 0) return -1;
    if (got == 0) return total;
    total += got;
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::fputs("usage: inflate-only FILE.xlsx [SHEET-PART]\n", stderr);
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
  std::vector<char> chunk(256 * 1024);
  long long bytes = 0;
  for (const char* part : {"xl/sharedStrings.xml", sheetPart}) {
    if (zip_name_locate(archive.get(), part, 0) < 0 && part != sheetPart) continue;
    const long long got = inflatePart(archive.get(), part, chunk);
    if (got < 0) {
      std::fprintf(stderr, "%s: cannot inflate %s\n", argv[1], part);
      return 1;
    }
    bytes += got;
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  rusage usage{};
  if (getrusage(RUSAGE_SELF, &usage) != 0) {
    std::perror("getrusage");
    return 2;
  }
  std::printf("xml_bytes=%lld seconds=%.4f peak_kib=%ld\n", bytes, seconds, usage.ru_maxrss);
  return 0;
}
