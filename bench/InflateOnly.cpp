// The limit any .xlsx reader is held to: inflating the worksheet and the shared strings with
// libzip (CRC checks included), nothing parsed. Prints the bytes, the time and peak memory.
// With --zlib or --isal the reader's own part source inflates them, through libzip's zlib or
// through ISA-L, so that the two inflaters are timed on the same parts.
// Usage: inflate-only [--zlib|--isal] FILE.xlsx [SHEET-PART]
#include <sys/resource.h>
#include <zip.h>

#include <chrono>
#include <cstdio>
#include <exception>
#include <memory>
#include <string_view>
#include <vector>

#include "source/ReadLimits.h"
#include "source/xlsx/ZipArchive.h"

namespace {

using quillmere::source::xlsx::ZipArchive;
using Inflater = quillmere::source::xlsx::ZipPartOpener::Inflater;

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

// The bytes of both parts through libzip alone, or -1.
long long inflateWithLibzip(const char* file, const char* sheetPart, std::vector<char>& chunk) {
  int error = 0;
  std::unique_ptr<zip_t, ArchiveCloser> archive(zip_open(file, ZIP_RDONLY, &error));
  if (!archive) {
    std::fprintf(stderr, "%s: not a readable zip archive (libzip error %d)\n", file, error);
    return -1;
  }
  long long bytes = 0;
  for (const char* part : {"xl/sharedStrings.xml", sheetPart}) {
    if (zip_name_locate(archive.get(), part, 0) < 0 && part != sheetPart) continue;
    const long long got = inflatePart(archive.get(), part, chunk);
    if (got < 0) {
      std::fprintf(stderr, "%s: cannot inflate %s\n", file, part);
      return -1;
    }
    bytes += got;
  }
  return bytes;
}

// The bytes of both parts through the reader's part source, or -1.
long long inflateThroughReader(const char* file, const char* sheetPart, Inflater inflater,
                               std::vector<char>& chunk) {
  try {
    const ZipArchive archive(file);
    long long bytes = 0;
    for (const char* part : {"xl/sharedStrings.xml", sheetPart}) {
      const auto index = archive.find(part);
      if (!index && part != sheetPart) continue;
      if (!index) {
        std::fprintf(stderr, "%s: has no part %s\n", file, part);
        return -1;
      }
      auto opener = archive.partOpener(*index, part, quillmere::source::ReadLimits{});
      opener.useInflater(inflater);
      const auto source = opener();
      while (const std::size_t got = source->read(chunk.data(), chunk.size()))
        bytes += static_cast<long long>(got);
    }
    return bytes;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return -1;
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::string_view mode = argc > 1 ? argv[1] : "";
  const bool ours = mode == "--zlib" || mode == "--isal";
  const int first = ours ? 2 : 1;
  if (argc - first != 1 && argc - first != 2) {
    std::fputs("usage: inflate-only [--zlib|--isal] FILE.xlsx [SHEET-PART]\n", stderr);
    return 2;
  }
  const char* file = argv[first];
  const char* sheetPart = argc - first == 2 ? argv[first + 1] : "xl/worksheets/sheet1.xml";
  const auto start = std::chrono::steady_clock::now();
  std::vector<char> chunk(256 * 1024);
  const long long bytes =
      ours ? inflateThroughReader(file, sheetPart,
                                  mode == "--isal" ? Inflater::Fastest : Inflater::Zlib, chunk)
           : inflateWithLibzip(file, sheetPart, chunk);
  if (bytes < 0) return 1;
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
