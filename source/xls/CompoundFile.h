#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quillmere::source::xls {

// A compound file (the container of .xls and of password-protected .xlsx), read from its
// bytes in memory. Every chain of sectors is walked with a bound and a visited mark, so a
// damaged file ends in a WorkbookError instead of a loop or an out-of-range read.
class CompoundFile {
 public:
  struct Entry {
    std::string name;  // ASCII letters kept, anything else as '?'
    std::uint8_t type = 0;
    std::uint32_t start = 0;
    std::uint64_t size = 0;
  };

  static constexpr std::string_view kSignature{"\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8};

  // Throws WorkbookError (Corrupt) naming `file` when the header, the sector tables or the
  // directory are damaged.
  CompoundFile(const std::filesystem::path& file, std::string_view bytes);

  // The streams and storages directly inside the root storage.
  const std::vector<Entry>& rootEntries() const { return rootEntries_; }

  // A root entry whose name matches ignoring ASCII case; nullptr when there is none.
  const Entry* findRootEntry(std::string_view name) const;

  // The whole content of a stream entry.
  std::string readStream(const Entry& entry) const;

 private:
  std::string_view sector(std::uint32_t id) const;
  std::vector<std::uint32_t> chain(const std::vector<std::uint32_t>& table, std::uint32_t start,
                                   std::size_t maxLength, const char* what) const;
  std::string readRegular(std::uint32_t start, std::uint64_t size) const;
  std::string readMini(std::uint32_t start, std::uint64_t size) const;
  void readFat();
  void readDirectory();

  std::filesystem::path file_;
  std::string_view bytes_;
  unsigned sectorShift_ = 9;
  unsigned miniShift_ = 6;
  std::uint32_t miniCutoff_ = 4096;
  bool version4_ = false;
  std::vector<std::uint32_t> fat_;
  std::vector<std::uint32_t> miniFat_;
  Entry root_;
  std::vector<Entry> rootEntries_;
};

}  // namespace quillmere::source::xls
