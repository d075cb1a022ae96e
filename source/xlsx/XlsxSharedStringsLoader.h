#pragma once

#include <filesystem>
#include <stop_token>
#include <string>
#include <thread>

#include "source/xlsx/XlsxSharedStrings.h"
#include "source/xlsx/ZipPartOpener.h"

namespace quillmere::source::xlsx {

// Loads a workbook's shared strings on a thread of its own, so that opening the workbook does
// not wait for them and the sheet's first rows read while the rest still load. The sheet's
// reader waits only for a string that is not there yet. Destruction stops the loading at its
// next read of input and waits for the thread. When the system refuses the thread, the
// strings load here, before the constructor returns.
class XlsxSharedStringsLoader {
 public:
  // `strings` must outlive the loader.
  XlsxSharedStringsLoader(XlsxSharedStrings& strings, std::filesystem::path file,
                          ZipPartOpener part);
  XlsxSharedStringsLoader(const XlsxSharedStringsLoader&) = delete;
  XlsxSharedStringsLoader& operator=(const XlsxSharedStringsLoader&) = delete;

 private:
  void load(const std::stop_token& stop);

  XlsxSharedStrings& strings_;
  std::filesystem::path file_;
  ZipPartOpener part_;
  // Last: started once everything above is ready, stopped and joined before the rest goes.
  std::jthread thread_;
};

}  // namespace quillmere::source::xlsx
