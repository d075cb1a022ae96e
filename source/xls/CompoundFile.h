#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "source/InputFile.h"
#include "source/xls/WorkbookStream.h"

namespace quillmere::source::xls {

// A compound file (the container of .xls and of password-protected .xlsx), read from the
// file a sector at a time: only the directory and the sector table's own locations are
// held. Every chain of sectors is walked with a bound and a visited mark, so a damaged file
// ends in a WorkbookError or a stream cut short instead of a loop or an out-of-range read.
class CompoundFile {
 public:
  struct Entry {
    std::string name;  // ASCII letters kept, anything else as '?'
    std::uint8_t type = 0;
    std::uint32_t start = 0;
    std::uint64_t size = 0;
  };

  static constexpr std::string_view kSignature{"\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8};

  // Entries of a directory past this many are refused: a workbook has a handful.
  static constexpr std::size_t kMaxDirectoryEntries = 65536;

  // Throws WorkbookError (Corrupt) naming the file when the header, the sector tables or the
  // directory are damaged.
  explicit CompoundFile(std::shared_ptr<const InputFile> file);

  // The streams and storages directly inside the root storage.
  const std::vector<Entry>& rootEntries() const { return rootEntries_; }

  // A root entry whose name matches ignoring ASCII case; nullptr when there is none.
  const Entry* findRootEntry(std::string_view name) const;

  // The content of a stream entry. Some writers state a size larger than the sectors they
  // wrote: the stream then holds the sectors that exist and says why it is short. Throws
  // WorkbookError (Corrupt) when not even its first sector exists.
  WorkbookStream openStream(const Entry& entry) const;

 private:
  // The sectors of a chain, and why it stopped before `maxLength` links without an
  // end-of-chain mark (empty when it did not).
  struct Chain {
    std::vector<std::uint32_t> ids;
    std::string problem;
  };

  Chain walk(bool mini, std::uint32_t start, std::uint64_t maxLength, const char* what) const;
  // Like walk(), for the file's own tables: any problem is damage.
  std::vector<std::uint32_t> strictChain(bool mini, std::uint32_t start, std::uint64_t maxLength,
                                         const char* what) const;
  std::uint32_t tableEntry(bool mini, std::uint32_t id) const;
  std::uint64_t tableSize(bool mini) const;
  bool sectorInFile(std::uint32_t id) const;
  std::uint64_t sectorOffset(std::uint32_t id) const;
  std::string readSector(std::uint32_t id) const;
  WorkbookStream openRegular(const Entry& entry) const;
  WorkbookStream openMini(const Entry& entry) const;
  void readFatLocations(std::string_view header);
  void readDirectory(std::uint32_t start);

  std::shared_ptr<const InputFile> file_;
  unsigned sectorShift_ = 9;
  unsigned miniShift_ = 6;
  std::uint32_t miniCutoff_ = 4096;
  bool version4_ = false;
  std::vector<std::uint32_t> fatSectors_;      // where the sector table lies, in order
  std::vector<std::uint32_t> miniFatSectors_;  // where the small-sector table lies
  // One sector of a table, kept because chains mostly step to the next entry.
  mutable bool cachedMini_ = false;
  mutable std::size_t cachedIndex_ = static_cast<std::size_t>(-1);
  mutable std::string cached_;
  Entry root_;
  std::vector<Entry> rootEntries_;
};

}  // namespace quillmere::source::xls
