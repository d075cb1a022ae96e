#pragma once

#include <atomic>
#include <filesystem>
#include <string>
#include <thread>

#include "source/xlsx/XlsxSharedStrings.h"
#include "source/xlsx/ZipPartOpener.h"

namespace quillmere::source::xlsx {

// Loads a workbook's shared strings on a thread of its own, so that opening the workbook does
// not wait for them and the sheet's first rows read while the rest still load. The sheet's
// reader waits only for a string that is not there yet. Destruction stops the loading at its
// next block of input and waits for the thread.
class XlsxSharedStringsLoader {
 public:
  // `strings` must outlive the loader.
  XlsxSharedStringsLoader(XlsxSharedStrings& strings, std::filesystem::path file,
                          ZipPartOpener part);
  ~XlsxSharedStringsLoader();
  XlsxSharedStringsLoader(const XlsxSharedStringsLoader&) = delete;
  XlsxSharedStringsLoader& operator=(const XlsxSharedStringsLoader&) = delete;

 private:
  void load();

  XlsxSharedStrings& strings_;
  std::filesystem::path file_;
  ZipPartOpener part_;
  std::atomic<bool> stopping_{false};
  std::thread worker_;  // last: started once everything above is ready
};

}  // namespace quillmere::source::xlsx
