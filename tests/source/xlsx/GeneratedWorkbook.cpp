#include "tests/source/xlsx/GeneratedWorkbook.h"

#include <zip.h>
#include <zlib.h>

#include <cstring>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string_view>
#include <system_error>
#include <vector>

namespace quillmere::source::xlsx::testing {

namespace {

constexpr std::string_view kPackageRels =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Relationships "
    "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\"><Relationship "
    "Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
    "officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>";
constexpr std::string_view kWorkbook =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?><workbook "
    "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
    "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"><sheets>"
    "<sheet name=\"Sheet1\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>";
constexpr std::string_view kWorkbookRels =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Relationships "
    "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\"><Relationship "
    "Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
    "worksheet\" Target=\"worksheets/sheet1.xml\"/></Relationships>";

constexpr std::string_view kWorkbookRelsWithStrings =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Relationships "
    "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\"><Relationship "
    "Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
    "worksheet\" Target=\"worksheets/sheet1.xml\"/><Relationship Id=\"rId2\" "
    "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings\" "
    "Target=\"sharedStrings.xml\"/></Relationships>";

// Raw deflate at the best level; each piece ends in a full flush, which resets the
// compressor, so the same input always packs to the same bytes.
class Deflater {
 public:
  Deflater() {
    if (deflateInit2(&stream_, Z_BEST_COMPRESSION, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) !=
        Z_OK) {
      throw std::runtime_error("cannot start deflating");
    }
  }
  ~Deflater() { deflateEnd(&stream_); }
  Deflater(const Deflater&) = delete;
  Deflater& operator=(const Deflater&) = delete;

  std::string pack(std::string_view data, int flush) {
    std::string out;
    stream_.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream_.avail_in = static_cast<uInt>(data.size());
    char buffer[1 << 16];
    int result = Z_OK;
    do {
      stream_.next_out = reinterpret_cast<Bytef*>(buffer);
      stream_.avail_out = sizeof buffer;
      result = deflate(&stream_, flush);
      if (result == Z_STREAM_ERROR) throw std::runtime_error("cannot deflate");
      out.append(buffer, sizeof buffer - stream_.avail_out);
    } while (stream_.avail_out == 0 || stream_.avail_in != 0 ||
             (flush == Z_FINISH && result != Z_STREAM_END));
    return out;
  }

 private:
  z_stream stream_{};
};

std::uint32_t crcOf(std::uint32_t crc, std::string_view data) {
  return static_cast<std::uint32_t>(
      crc32(crc, reinterpret_cast<const Bytef*>(data.data()), static_cast<uInt>(data.size())));
}

// A part packed as head, body repeated and tail, with what the zip directory says of it.
struct PackedPart {
  std::string name;
  std::string head, body, tail;
  std::uint64_t times = 0;
  std::uint32_t crc = 0;
  std::uint64_t size = 0;
  std::uint64_t stated = 0;
  std::uint64_t packed = 0;
  std::uint64_t statedPacked = 0;
  std::uint64_t offset = 0;
};

PackedPart pack(std::string name, const RepeatedPart& part) {
  Deflater deflater;
  PackedPart packed;
  packed.name = std::move(name);
  packed.times = part.times;
  packed.head = deflater.pack(part.head, Z_FULL_FLUSH);
  packed.body = deflater.pack(part.body, Z_FULL_FLUSH);
  if (part.times > 1 && deflater.pack(part.body, Z_FULL_FLUSH) != packed.body) {
    throw std::runtime_error("the body does not pack the same twice");
  }
  packed.tail = deflater.pack(part.tail, Z_FINISH);
  std::uint32_t crc = crcOf(0, part.head);
  const std::uint32_t bodyCrc = crcOf(0, part.body);
  for (std::uint64_t i = 0; i < part.times; ++i) {
    crc = static_cast<std::uint32_t>(
        crc32_combine(crc, bodyCrc, static_cast<z_off_t>(part.body.size())));
  }
  packed.crc = crcOf(crc, part.tail);
  packed.size = part.size();
  packed.stated = part.statedSize.value_or(packed.size);
  packed.packed = packed.head.size() + packed.body.size() * part.times + packed.tail.size();
  packed.statedPacked = part.statedPackedSize.value_or(packed.packed);
  if (packed.stated > 0xFFFFFFFEu || packed.statedPacked > 0xFFFFFFFEu ||
      packed.packed > 0xFFFFFFFEu) {
    throw std::runtime_error(packed.name + " needs zip64");
  }
  return packed;
}

class LittleEndianWriter {
 public:
  explicit LittleEndianWriter(const std::filesystem::path& file)
      : out_(file, std::ios::binary | std::ios::trunc) {}
  void u16(std::uint64_t v) { bytes(v, 2); }
  void u32(std::uint64_t v) { bytes(v, 4); }
  void text(std::string_view s) {
    out_.write(s.data(), static_cast<std::streamsize>(s.size()));
    written_ += s.size();
  }
  std::uint64_t written() const { return written_; }
  bool good() const { return out_.good(); }

 private:
  void bytes(std::uint64_t v, int count) {
    char b[4];
    for (int i = 0; i < count; ++i)
      b[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    text(std::string_view(b, static_cast<std::size_t>(count)));
  }
  std::ofstream out_;
  std::uint64_t written_ = 0;
};

// The fields a local header and a central directory entry share, from "version needed" on.
void writeCommonFields(LittleEndianWriter& out, const PackedPart& part) {
  out.u16(20);    // version needed: deflate
  out.u16(0);     // flags
  out.u16(8);     // deflated
  out.u16(0);     // time
  out.u16(0x21);  // 1 January 1980
  out.u32(part.crc);
  out.u32(part.statedPacked);
  out.u32(part.stated);
  out.u16(part.name.size());
  out.u16(0);  // no extra field
}

struct Discard {
  void operator()(zip_t* archive) const { zip_discard(archive); }
};

// Level 0 is zlib's default, as spreadsheet programs pack; 1 the fastest, for archives that only
// need to be small enough to write quickly.
void add(zip_t* archive, const char* name, std::string_view data, zip_uint32_t level = 1) {
  zip_source_t* source = zip_source_buffer(archive, data.data(), data.size(), 0);
  if (source == nullptr) throw std::runtime_error(zip_strerror(archive));
  const zip_int64_t index = zip_file_add(archive, name, source, ZIP_FL_OVERWRITE);
  if (index < 0) {
    zip_source_free(source);
    throw std::runtime_error(zip_strerror(archive));
  }
  if (zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE, level) !=
      0) {
    throw std::runtime_error(zip_strerror(archive));
  }
}

}  // namespace

void writeOneSheetWorkbook(const std::filesystem::path& file, const std::string& sheetXml) {
  int code = ZIP_ER_OK;
  std::unique_ptr<zip_t, Discard> archive(zip_open(file.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code));
  if (!archive) throw std::runtime_error("cannot create " + file.string());
  add(archive.get(), "_rels/.rels", kPackageRels);
  add(archive.get(), "xl/workbook.xml", kWorkbook);
  add(archive.get(), "xl/_rels/workbook.xml.rels", kWorkbookRels);
  add(archive.get(), "xl/worksheets/sheet1.xml", sheetXml);
  // zip_close writes the archive and frees it; only on failure is it still ours to discard.
  if (zip_close(archive.get()) != 0) throw std::runtime_error(zip_strerror(archive.get()));
  static_cast<void>(archive.release());
}

void writeRepeatedWorkbook(const std::filesystem::path& file, const RepeatedPart& sheet,
                           const std::optional<RepeatedPart>& strings) {
  std::vector<std::pair<std::string, RepeatedPart>> parts;
  parts.emplace_back("_rels/.rels", wholePart(std::string(kPackageRels)));
  parts.emplace_back("xl/workbook.xml", wholePart(std::string(kWorkbook)));
  parts.emplace_back("xl/_rels/workbook.xml.rels",
                     wholePart(std::string(strings ? kWorkbookRelsWithStrings : kWorkbookRels)));
  parts.emplace_back("xl/worksheets/sheet1.xml", sheet);
  if (strings) parts.emplace_back("xl/sharedStrings.xml", *strings);
  writeRepeatedArchive(file, parts);
}

void writeRepeatedArchive(const std::filesystem::path& file,
                          const std::vector<std::pair<std::string, RepeatedPart>>& named) {
  std::vector<PackedPart> parts;
  for (const auto& [name, part] : named)
    parts.push_back(pack(name, part));
  LittleEndianWriter out(file);
  for (PackedPart& part : parts) {
    part.offset = out.written();
    out.u32(0x04034b50);
    writeCommonFields(out, part);
    out.text(part.name);
    out.text(part.head);
    for (std::uint64_t i = 0; i < part.times; ++i)
      out.text(part.body);
    out.text(part.tail);
  }
  const std::uint64_t directory = out.written();
  for (const PackedPart& part : parts) {
    out.u32(0x02014b50);
    out.u16(20);  // made by
    writeCommonFields(out, part);
    out.u16(0);  // no comment
    out.u16(0);  // disk
    out.u16(0);  // internal attributes
    out.u32(0);  // external attributes
    out.u32(part.offset);
    out.text(part.name);
  }
  const std::uint64_t directoryEnd = out.written();
  out.u32(0x06054b50);
  out.u16(0);
  out.u16(0);
  out.u16(parts.size());
  out.u16(parts.size());
  out.u32(directoryEnd - directory);
  out.u32(directory);
  out.u16(0);
  if (!out.good()) throw std::runtime_error("cannot write " + file.string());
}

void writePackedOneSheetWorkbook(const std::filesystem::path& file, const std::string& sheetXml) {
  int code = ZIP_ER_OK;
  std::unique_ptr<zip_t, Discard> archive(zip_open(file.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code));
  if (!archive) throw std::runtime_error("cannot create " + file.string());
  add(archive.get(), "_rels/.rels", kPackageRels, 0);
  add(archive.get(), "xl/workbook.xml", kWorkbook, 0);
  add(archive.get(), "xl/_rels/workbook.xml.rels", kWorkbookRels, 0);
  add(archive.get(), "xl/worksheets/sheet1.xml", sheetXml, 0);
  if (zip_close(archive.get()) != 0) throw std::runtime_error(zip_strerror(archive.get()));
  static_cast<void>(archive.release());
}

void setDate1904(const std::filesystem::path& file) {
  int code = ZIP_ER_OK;
  std::unique_ptr<zip_t, Discard> archive(zip_open(file.c_str(), 0, &code));
  if (!archive) throw std::runtime_error("cannot open " + file.string());
  const char* const part = "xl/workbook.xml";
  zip_stat_t stat;
  if (zip_stat(archive.get(), part, 0, &stat) != 0 || (stat.valid & ZIP_STAT_SIZE) == 0) {
    throw std::runtime_error(zip_strerror(archive.get()));
  }
  std::string xml(static_cast<std::size_t>(stat.size), '\0');
  {
    const std::unique_ptr<zip_file_t, decltype(&zip_fclose)> entry(
        zip_fopen(archive.get(), part, 0), &zip_fclose);
    if (!entry ||
        zip_fread(entry.get(), xml.data(), xml.size()) != static_cast<zip_int64_t>(xml.size())) {
      throw std::runtime_error(zip_strerror(archive.get()));
    }
  }
  const std::string element = "<workbookPr";
  const std::size_t at = xml.find(element);
  if (at == std::string::npos) throw std::runtime_error(file.string() + " has no workbookPr");
  xml.insert(at + element.size(), " date1904=\"1\"");
  add(archive.get(), part, xml);
  if (zip_close(archive.get()) != 0) throw std::runtime_error(zip_strerror(archive.get()));
  static_cast<void>(archive.release());
}

}  // namespace quillmere::source::xlsx::testing
