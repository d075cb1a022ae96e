#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "source/InputFile.h"

namespace quillmere::source::xls {

// The bytes of a workbook stream, read from the file when they are asked for rather than
// held, so that memory does not grow with the file: runs of sectors of a compound file, or
// the whole file for a BIFF2-4 worksheet. A small stream (one kept in the compound file's
// small sectors, under 4 KiB) is held in memory.
class WorkbookStream {
 public:
  // Sectors firstSector .. firstSector + count - 1 of the file, in order.
  struct Run {
    std::uint32_t streamSector;  // where the run starts in the stream, counted in sectors
    std::uint32_t firstSector;
    std::uint32_t count;
  };

  // Bytes in memory; `shortfall` says why there are fewer than the directory gave, or is
  // empty.
  explicit WorkbookStream(std::string bytes, std::string shortfall = {});

  // `size` bytes in `runs` of sectors of 2^shift bytes, sector s lying at base + (s << shift)
  // in `file`. The runs cover the size; the caller checked that they lie in the file.
  WorkbookStream(std::shared_ptr<const InputFile> file, std::uint64_t base, unsigned shift,
                 std::vector<Run> runs, std::uint64_t size, std::string shortfall);

  // All of a file that is one bare BIFF stream.
  static WorkbookStream wholeFile(std::shared_ptr<const InputFile> file);

  std::uint64_t size() const { return size_; }

  // Copies `length` bytes from `offset`, which the caller checked lie in the stream.
  void read(std::uint64_t offset, char* into, std::size_t length) const;

  // Why the stream holds less than its directory entry states (sectors missing, a chain
  // that loops or leaves the file); empty when it is whole.
  const std::string& shortfall() const { return shortfall_; }

 private:
  std::size_t runAt(std::uint64_t sector) const;

  std::shared_ptr<const InputFile> file_;
  std::string bytes_;
  std::uint64_t base_ = 0;
  unsigned shift_ = 0;
  std::vector<Run> runs_;
  std::uint64_t size_ = 0;
  std::string shortfall_;
  mutable std::size_t lastRun_ = 0;  // reads go forward, so the next one is usually here
};

}  // namespace quillmere::source::xls
