#include "source/xls/CompoundFile.h"

#include <algorithm>

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

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return lower(x) == lower(y);
  });
}

}  // namespace

CompoundFile::CompoundFile(const std::filesystem::path& file, std::string_view bytes)
    : file_(file), bytes_(bytes) {
  if (bytes_.size() < kHeaderBytes || bytes_.substr(0, kSignature.size()) != kSignature) {
    throwDamaged(file_, "its header is cut short");
  }
  const std::uint16_t byteOrder = u16At(bytes_, 0x1C);
  sectorShift_ = u16At(bytes_, 0x1E);
  miniShift_ = u16At(bytes_, 0x20);
  if (byteOrder != 0xFFFE || (sectorShift_ != 9 && sectorShift_ != 12) || miniShift_ != 6) {
    throwDamaged(file_, "its header describes an impossible layout");
  }
  version4_ = sectorShift_ == 12;
  miniCutoff_ = u32At(bytes_, 0x38);
  readFat();
  readDirectory();
  const std::uint32_t miniFatStart = u32At(bytes_, 0x3C);
  if (miniFatStart != kEndOfChain && miniFatStart != kNoStream) {
    const std::string table =
        readRegular(miniFatStart, std::uint64_t{u32At(bytes_, 0x40)} << sectorShift_);
    miniFat_.resize(table.size() / 4);
    for (std::size_t i = 0; i < miniFat_.size(); ++i)
      miniFat_[i] = u32At(table, i * 4);
  }
}

std::string_view CompoundFile::sector(std::uint32_t id) const {
  const std::uint64_t offset = (std::uint64_t{id} + 1) << sectorShift_;
  if (offset >= bytes_.size()) throwDamaged(file_, "the file ends before its last part");
  return bytes_.substr(static_cast<std::size_t>(offset), std::size_t{1} << sectorShift_);
}

std::vector<std::uint32_t> CompoundFile::chain(const std::vector<std::uint32_t>& table,
                                               std::uint32_t start, std::size_t maxLength,
                                               const char* what) const {
  std::vector<std::uint32_t> ids;
  std::vector<bool> visited(table.size(), false);
  for (std::uint32_t id = start; id != kEndOfChain && ids.size() < maxLength; id = table[id]) {
    if (id >= table.size()) {
      throwDamaged(file_, std::string("the table of ") + what + " points outside the file");
    }
    if (visited[id]) {
      throwDamaged(file_, std::string("the chain of ") + what + " loops back on itself");
    }
    visited[id] = true;
    ids.push_back(id);
  }
  return ids;
}

void CompoundFile::readFat() {
  const std::uint32_t fatSectors = u32At(bytes_, 0x2C);
  const std::size_t sectorBytes = std::size_t{1} << sectorShift_;
  // Each table sector is itself a sector of the file, which bounds the count.
  if (fatSectors == 0 || fatSectors > bytes_.size() / sectorBytes) {
    throwDamaged(file_, "its sector table has an impossible size");
  }
  std::vector<std::uint32_t> fatIds;
  fatIds.reserve(fatSectors);
  for (std::size_t i = 0; i < kHeaderDifatEntries && fatIds.size() < fatSectors; ++i) {
    fatIds.push_back(u32At(bytes_, 0x4C + i * 4));
  }
  std::uint32_t difat = u32At(bytes_, 0x44);
  const std::size_t idsPerDifat = sectorBytes / 4 - 1;
  std::size_t difatSteps = 0;
  const std::size_t maxDifatSteps = bytes_.size() / sectorBytes;
  while (fatIds.size() < fatSectors) {
    if (difat > kLastRegularSector) throwDamaged(file_, "its sector table is incomplete");
    if (++difatSteps > maxDifatSteps) {
      throwDamaged(file_, "the chain of sector-table sectors loops back on itself");
    }
    const std::string_view block = sector(difat);
    if (block.size() < sectorBytes) throwDamaged(file_, "the file ends before its last part");
    for (std::size_t i = 0; i < idsPerDifat && fatIds.size() < fatSectors; ++i) {
      fatIds.push_back(u32At(block, i * 4));
    }
    difat = u32At(block, idsPerDifat * 4);
  }
  fat_.reserve(fatIds.size() * (sectorBytes / 4));
  for (const std::uint32_t id : fatIds) {
    if (id > kLastRegularSector) throwDamaged(file_, "its sector table is incomplete");
    const std::string_view block = sector(id);
    if (block.size() < sectorBytes) throwDamaged(file_, "the file ends before its last part");
    for (std::size_t i = 0; i < sectorBytes / 4; ++i)
      fat_.push_back(u32At(block, i * 4));
  }
}

void CompoundFile::readDirectory() {
  const std::uint32_t start = u32At(bytes_, 0x30);
  const std::vector<std::uint32_t> ids = chain(fat_, start, fat_.size(), "directory sectors");
  std::string directory;
  for (const std::uint32_t id : ids)
    directory += sector(id);
  const std::size_t count = directory.size() / kDirectoryEntryBytes;
  if (count == 0) throwDamaged(file_, "its directory is missing");

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
  if (root_.type != kRoot) throwDamaged(file_, "its directory has no root entry");

  // The root's children form a tree through the left and right links.
  std::vector<bool> visited(count, false);
  std::vector<std::uint32_t> pending{u32At(directory, 0x4C)};
  visited[0] = true;
  while (!pending.empty()) {
    const std::uint32_t id = pending.back();
    pending.pop_back();
    if (id == kNoStream) continue;
    if (id >= count) throwDamaged(file_, "its directory points outside itself");
    if (visited[id]) throwDamaged(file_, "its directory loops back on itself");
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

std::string CompoundFile::readStream(const Entry& entry) const {
  if (entry.size < miniCutoff_) return readMini(entry.start, entry.size);
  return readRegular(entry.start, entry.size);
}

std::string CompoundFile::readRegular(std::uint32_t start, std::uint64_t size) const {
  if (size > bytes_.size()) throwDamaged(file_, "a part claims to be larger than the file");
  const std::size_t sectorBytes = std::size_t{1} << sectorShift_;
  const auto length = static_cast<std::size_t>(size);
  const std::size_t needed = (length + sectorBytes - 1) / sectorBytes;
  const std::vector<std::uint32_t> ids = chain(fat_, start, needed, "sectors");
  if (ids.size() < needed) throwDamaged(file_, "a part ends before its stated size");
  std::string content;
  content.reserve(length);
  for (const std::uint32_t id : ids) {
    const std::string_view block = sector(id);
    const std::size_t take = std::min(sectorBytes, length - content.size());
    if (block.size() < take) throwDamaged(file_, "the file ends before its last part");
    content.append(block.substr(0, take));
  }
  return content;
}

std::string CompoundFile::readMini(std::uint32_t start, std::uint64_t size) const {
  if (size == 0) return {};
  const std::size_t miniBytes = std::size_t{1} << miniShift_;
  const auto length = static_cast<std::size_t>(size);
  const std::size_t needed = (length + miniBytes - 1) / miniBytes;
  const std::vector<std::uint32_t> ids = chain(miniFat_, start, needed, "small sectors");
  if (ids.size() < needed) throwDamaged(file_, "a part ends before its stated size");
  const std::string container = readRegular(root_.start, root_.size);
  std::string content;
  content.reserve(length);
  for (const std::uint32_t id : ids) {
    const std::size_t offset = std::size_t{id} << miniShift_;
    const std::size_t take = std::min(miniBytes, length - content.size());
    if (offset + take > container.size()) {
      throwDamaged(file_, "a small part lies outside its container");
    }
    content.append(container, offset, take);
  }
  return content;
}

}  // namespace quillmere::source::xls
