#include "tests/source/xlsx/GeneratedWorkbook.h"

#include <unistd.h>
#include <zip.h>

#include <atomic>
#include <memory>
#include <stdexcept>
#include <string_view>
#include <system_error>

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

struct Discard {
  void operator()(zip_t* archive) const { zip_discard(archive); }
};

void add(zip_t* archive, const char* name, std::string_view data) {
  zip_source_t* source = zip_source_buffer(archive, data.data(), data.size(), 0);
  if (source == nullptr) throw std::runtime_error(zip_strerror(archive));
  const zip_int64_t index = zip_file_add(archive, name, source, ZIP_FL_OVERWRITE);
  if (index < 0) {
    zip_source_free(source);
    throw std::runtime_error(zip_strerror(archive));
  }
  // The fastest level: these archives only need to be small enough to write quickly.
  if (zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE, 1) != 0) {
    throw std::runtime_error(zip_strerror(archive));
  }
}

}  // namespace

TemporaryFolder::TemporaryFolder() {
  static std::atomic<int> counter{0};
  path_ = std::filesystem::temp_directory_path() /
          ("quillmere-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
  std::filesystem::create_directories(path_);
}

TemporaryFolder::~TemporaryFolder() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

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
