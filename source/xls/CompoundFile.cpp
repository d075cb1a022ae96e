#include "source/xls/CompoundFile.h"

#include <algorithm>

#include "source/WorkbookError.h"
#include "source/xls/LittleEndian.h"
#include "source/xls/XlsErrors.h"

namespace quillmere::source::xls {

namespace {

constexpr std::size_t kHeaderBytes = 512;
constexpr std::size_t kHeaderDifatEntries = 109;
constexpr std::size_t kDirectoryEntryBytes = 128;
constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr std::uint32_t kNoStream = 0xFFFFFFFF;
constexpr std::uint32_t kLastRegularSector = 0xFFFFFFFA;
constexpr std::uint8_t kStorage = 1;
constexpr std::uint8_t kStream = 2;
constexpr std::uint8_t kRoot = 5;
constexpr const char* kFileEnds = "the file ends before its last part";
constexpr const char* kChainEnds = "its sectors end before its stated size";

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return lower(x) == lower(y);
  });
}

}  // namespace

CompoundFile::CompoundFile(std::shared_ptr<const InputFile> file) : file_(std::move(file)) {
  std::string header(kHeaderBytes, '\0');
  if (file_->readAt(0, header.data(), header.size()) != header.size() ||
      !std::string_view(header).starts_with(kSignature)) {
    throwDamaged(file_->path(), "its header is cut short");
  }
  const std::uint16_t byteOrder = u16At(header, 0x1C);
  sectorShift_ = u16At(header, 0x1E);
  miniShift_ = u16At(header, 0x20);
  if (byteOrder != 0xFFFE || (sectorShift_ != 9 && sectorShift_ != 12) || miniShift_ != 6) {
    throwDamaged(file_->path(), "its header describes an impossible layout");
  }
  version4_ = sectorShift_ == 12;
  miniCutoff_ = u32At(header, 0x38);
  readFatLocations(header);
  readDirectory(u32At(header, 0x30));
  const std::uint32_t miniFatStart = u32At(header, 0x3C);
  if (miniFatStart != kEndOfChain && miniFatStart != kNoStream) {
    miniFatSectors_ =
        strictChain(false, miniFatStart, u32At(header, 0x40), "small-sector table sectors");
  }
}

std::uint64_t CompoundFile::sectorOffset(std::uint32_t id) const {
  return (std::uint64_t{id} + 1) << sectorShift_;
}

bool CompoundFile::sectorInFile(std::uint32_t id) const {
  return sectorOffset(id) < file_->size();
}

std::string CompoundFile::readSector(std::uint32_t id) const {
  std::string block(std::size_t{1} << sectorShift_, '\0');
  if (file_->readAt(sectorOffset(id), block.data(), block.size()) != block.size()) {
    throwDamaged(file_->path(), kFileEnds);
  }
  return block;
}

std::uint64_t CompoundFile::tableSize(bool mini) const {
  return (mini ? miniFatSectors_ : fatSectors_).size() * ((std::size_t{1} << sectorShift_) / 4);
}

std::uint32_t CompoundFile::tableEntry(bool mini, std::uint32_t id) const {
  const std::size_t perSector = (std::size_t{1} << sectorShift_) / 4;
  const std::size_t index = id / perSector;
  if (cachedMini_ != mini || cachedIndex_ != index) {
    cached_ = readSector((mini ? miniFatSectors_ : fatSectors_)[index]);
    cachedMini_ = mini;
    cachedIndex_ = index;
  }
  return u32At(cached_, (id % perSector) * 4);
}

CompoundFile::Chain CompoundFile::walk(bool mini, std::uint32_t start, std::uint64_t maxLength,
                                       const char* what) const {
  Chain chain;
  const std::uint64_t size = tableSize(mini);
  std::vector<bool> visited(static_cast<std::size_t>(size), false);
  std::uint32_t id = start;
  while (id != kEndOfChain && chain.ids.size() < maxLength) {
    if (id >= size) {
      chain.problem = std::string("the table of ") + what + " points outside the file";
      break;
    }
    if (visited[id]) {
      chain.problem = std::string("the chain of ") + what + " loops back on itself";
      break;
    }
    if (!mini && !sectorInFile(id)) {
      chain.problem = kFileEnds;
      break;
    }
    visited[id] = true;
    chain.ids.push_back(id);
    if (chain.ids.size() < maxLength) id = tableEntry(mini, id);
  }
  return chain;
}

std::vector<std::uint32_t> CompoundFile::strictChain(bool mini, std::uint32_t start,
                                                     std::uint64_t maxLength,
                                                     const char* what) const {
  Chain chain = walk(mini, start, maxLength, what);
  if (!chain.problem.empty()) throwDamaged(file_->path(), chain.problem);
  return std::move(chain.ids);
}

void CompoundFile::readFatLocations(std::string_view header) {
  const std::uint32_t count = u32At(header, 0x2C);
  const std::size_t sectorBytes = std::size_t{1} << sectorShift_;
  // Each table sector is itself a sector of the file, which bounds the count.
  if (count == 0 || count > file_->size() / sectorBytes) {
    throwDamaged(file_->path(), "its sector table has an impossible size");
  }
  fatSectors_.reserve(count);
  for (std::size_t i = 0; i < kHeaderDifatEntries && fatSectors_.size() < count; ++i) {
    fatSectors_.push_back(u32At(header, 0x4C + i * 4));
  }
  std::uint32_t difat = u32At(header, 0x44);
  const std::size_t idsPerDifat = sectorBytes / 4 - 1;
  std::vector<bool> visited(static_cast<std::size_t>(file_->size() / sectorBytes), false);
  while (fatSectors_.size() < count) {
    if (difat > kLastRegularSector) throwDamaged(file_->path(), "its sector table is incomplete");
    if (difat < visited.size() && visited[difat]) {
      throwDamaged(file_->path(), "the chain of sector-table sectors loops back on itself");
    }
    const std::string block = readSector(difat);
    visited[difat] = true;
    for (std::size_t i = 0; i < idsPerDifat && fatSectors_.size() < count; ++i) {
      fatSectors_.push_back(u32At(block, i * 4));
    }
    difat = u32At(block, idsPerDifat * 4);
  }
  for (const std::uint32_t id : fatSectors_) {
    if (id > kLastRegularSector) throwDamaged(file_->path(), "its sector table is incomplete");
    if (sectorOffset(id) + sectorBytes > file_->size()) throwDamaged(file_->path(), kFileEnds);
  }
}

void CompoundFile::readDirectory(std::uint32_t start) {
  const std::size_t entriesPerSector = (std::size_t{1} << sectorShift_) / kDirectoryEntryBytes;
  const std::size_t maxSectors = kMaxDirectoryEntries / entriesPerSector;
  const std::vector<std::uint32_t> ids =
      strictChain(false, start, maxSectors + 1, "directory sectors");
  if (ids.size() > maxSectors) {
    throw WorkbookError(WorkbookError::Kind::LimitExceeded, file_->path(),
                        "has a directory of more than " + std::to_string(kMaxDirectoryEntries) +
                            " entries, more than Quillmere reads in an .xls file.");
  }
  std::string directory;
  for (const std::uint32_t id : ids)
    directory += readSector(id);
  const std::size_t count = directory.size() / kDirectoryEntryBytes;
  if (count == 0) throwDamaged(file_->path(), "its directory is missing");

  const auto entryAt = [&](std::size_t index) {
    const std::string_view raw =
        std::string_view(directory).substr(index * kDirectoryEntryBytes, kDirectoryEntryBytes);
    Entry entry;
    const std::size_t nameBytes = std::min<std::size_t>(u16At(raw, 0x40), 64);
    for (std::size_t i = 0; i + 1 < nameBytes; i += 2) {
      const std::uint16_t unit = u16At(raw, i);
      if (unit == 0) break;
      entry.name += unit < 0x80 ? static_cast<char>(unit) : '?';
    }
    entry.type = byteAt(raw, 0x42);
    entry.start = u32At(raw, 0x74);
    // Version 3 files leave the upper half of the size undefined.
    entry.size = version4_ ? u64At(raw, 0x78) : u32At(raw, 0x78);
    return entry;
  };

  root_ = entryAt(0);
  if (root_.type != kRoot) throwDamaged(file_->path(), "its directory has no root entry");

  // The root's children form a tree through the left and right links.
  std::vector<bool> visited(count, false);
  std::vector<std::uint32_t> pending{u32At(directory, 0x4C)};
  visited[0] = true;
  while (!pending.empty()) {
    const std::uint32_t id = pending.back();
    pending.pop_back();
    if (id == kNoStream) continue;
    if (id >= count) throwDamaged(file_->path(), "its directory points outside itself");
    if (visited[id]) throwDamaged(file_->path(), "its directory loops back on itself");
    visited[id] = true;
    const std::size_t base = id * kDirectoryEntryBytes;
    pending.push_back(u32At(directory, base + 0x44));
    pending.push_back(u32At(directory, base + 0x48));
    Entry entry = entryAt(id);
    if (entry.type == kStream || entry.type == kStorage) rootEntries_.push_back(std::move(entry));
  }
}

const CompoundFile::Entry* CompoundFile::findRootEntry(std::string_view name) const {
  for (const Entry& entry : rootEntries_) {
    if (equalsIgnoringCase(entry.name, name)) return &entry;
  }
  return nullptr;
}

WorkbookStream CompoundFile::openStream(const Entry& entry) const {
  return entry.size < miniCutoff_ ? openMini(entry) : openRegular(entry);
}

WorkbookStream CompoundFile::openRegular(const Entry& entry) const {
  const std::uint64_t sectorBytes = std::uint64_t{1} << sectorShift_;
  const std::uint64_t needed = (entry.size + sectorBytes - 1) >> sectorShift_;
  const Chain chain = walk(false, entry.start, needed, "sectors");
  if (chain.ids.empty()) {
    throwDamaged(file_->path(), chain.problem.empty() ? kChainEnds : chain.problem);
  }
  std::vector<WorkbookStream::Run> runs;
  for (std::size_t i = 0; i < chain.ids.size(); ++i) {
    const std::uint32_t id = chain.ids[i];
    if (!runs.empty() && runs.back().firstSector + runs.back().count == id) {
      ++runs.back().count;
    } else {
      runs.push_back({static_cast<std::uint32_t>(i), id, 1});
    }
  }
  // The last sector may stop where the file does.
  const std::uint64_t held = ((chain.ids.size() - 1) << sectorShift_) +
                             std::min(sectorBytes, file_->size() - sectorOffset(chain.ids.back()));
  const std::uint64_t size = std::min(entry.size, held);
  std::string shortfall;
  if (size < entry.size) {
    shortfall = !chain.problem.empty()      ? chain.problem
                : chain.ids.size() < needed ? kChainEnds
                                            : kFileEnds;
  }
  return WorkbookStream(file_, sectorBytes, sectorShift_, std::move(runs), size,
                        std::move(shortfall));
}

WorkbookStream CompoundFile::openMini(const Entry& entry) const {
  if (entry.size == 0) return WorkbookStream(std::string());
  const std::size_t miniBytes = std::size_t{1} << miniShift_;
  const std::uint64_t needed = (entry.size + miniBytes - 1) >> miniShift_;
  const Chain chain = walk(true, entry.start, needed, "small sectors");
  if (chain.ids.empty()) {
    throwDamaged(file_->path(), chain.problem.empty() ? kChainEnds : chain.problem);
  }
  // The small sectors lie in the stream of the root entry.
  const std::uint64_t highest = *std::ranges::max_element(chain.ids);
  const std::uint64_t containerBytes = (highest + 1) << miniShift_;
  const Chain container =
      walk(false, root_.start,
           (containerBytes + (std::uint64_t{1} << sectorShift_) - 1) >> sectorShift_, "sectors");
  std::string bytes;
  std::string shortfall;
  for (const std::uint32_t id : chain.ids) {
    const std::uint64_t offset = std::uint64_t{id} << miniShift_;
    const std::uint64_t index = offset >> sectorShift_;
    if (index >= container.ids.size()) {
      shortfall =
          container.problem.empty() ? "a small part lies outside its container" : container.problem;
      break;
    }
    const std::size_t take =
        static_cast<std::size_t>(std::min<std::uint64_t>(miniBytes, entry.size - bytes.size()));
    const std::size_t at = bytes.size();
    bytes.resize(at + take);
    const std::uint64_t within = offset & ((std::uint64_t{1} << sectorShift_) - 1);
    const std::size_t got =
        file_->readAt(sectorOffset(container.ids[index]) + within, bytes.data() + at, take);
    if (got < take) {
      bytes.resize(at + got);
      shortfall = kFileEnds;
      break;
    }
  }
  if (bytes.empty()) throwDamaged(file_->path(), shortfall);
  if (shortfall.empty() && bytes.size() < entry.size) {
    shortfall = chain.problem.empty() ? kChainEnds : chain.problem;
  }
  return WorkbookStream(std::move(bytes), std::move(shortfall));
}

}  // namespace quillmere::source::xls
