#include "source/xls/WorkbookStream.h"

#include <algorithm>
#include <cstring>

#include "source/xls/XlsErrors.h"

namespace quillmere::source::xls {

namespace {
// A bare file is split into runs of this many bytes, so that a count always fits 32 bits.
constexpr unsigned kWholeFileShift = 9;
constexpr std::uint32_t kMaxRunSectors = std::uint32_t{1} << 30;
}  // namespace

WorkbookStream::WorkbookStream(std::string bytes, std::string shortfall)
    : bytes_(std::move(bytes)), size_(bytes_.size()), shortfall_(std::move(shortfall)) {}

WorkbookStream::WorkbookStream(std::shared_ptr<const InputFile> file, std::uint64_t base,
                               unsigned shift, std::vector<Run> runs, std::uint64_t size,
                               std::string shortfall)
    : file_(std::move(file)),
      base_(base),
      shift_(shift),
      runs_(std::move(runs)),
      size_(size),
      shortfall_(std::move(shortfall)) {}

WorkbookStream WorkbookStream::wholeFile(std::shared_ptr<const InputFile> file) {
  const std::uint64_t size = file->size();
  const std::uint64_t sectors =
      (size + (std::uint64_t{1} << kWholeFileShift) - 1) >> kWholeFileShift;
  std::vector<Run> runs;
  for (std::uint64_t at = 0; at < sectors; at += kMaxRunSectors) {
    const auto count =
        static_cast<std::uint32_t>(std::min<std::uint64_t>(kMaxRunSectors, sectors - at));
    runs.push_back({static_cast<std::uint32_t>(at), static_cast<std::uint32_t>(at), count});
  }
  return WorkbookStream(std::move(file), 0, kWholeFileShift, std::move(runs), size, {});
}

std::size_t WorkbookStream::runAt(std::uint64_t sector) const {
  const Run& hint = runs_[lastRun_];
  if (sector >= hint.streamSector && sector < std::uint64_t{hint.streamSector} + hint.count) {
    return lastRun_;
  }
  const auto after =
      std::upper_bound(runs_.begin(), runs_.end(), sector,
                       [](std::uint64_t s, const Run& run) { return s < run.streamSector; });
  lastRun_ = static_cast<std::size_t>(after - runs_.begin()) - 1;
  return lastRun_;
}

void WorkbookStream::read(std::uint64_t offset, char* into, std::size_t length) const {
  if (!file_) {
    std::memcpy(into, bytes_.data() + offset, length);
    return;
  }
  while (length > 0) {
    const Run& run = runs_[runAt(offset >> shift_)];
    const std::uint64_t runStart = std::uint64_t{run.streamSector} << shift_;
    const std::uint64_t runEnd = runStart + (std::uint64_t{run.count} << shift_);
    const auto take = static_cast<std::size_t>(std::min<std::uint64_t>(length, runEnd - offset));
    const std::uint64_t at = base_ + (std::uint64_t{run.firstSector} << shift_) + offset - runStart;
    if (file_->readAt(at, into, take) != take) {
      // The sectors were checked against the file's size when it was opened.
      throwDamaged(file_->path(), "the file became shorter while it was read");
    }
    into += take;
    offset += take;
    length -= take;
  }
}

}  // namespace quillmere::source::xls
