#pragma once

#include <atomic>
#include <filesystem>
#include <string>
#include <thread>

#include "source/xlsx/SharedStrings.h"
#include "source/xlsx/ZipPartOpener.h"

namespace quillmere::source::xlsx {

// Loads a workbook's shared strings on a thread of its own, so that opening the workbook does
// not wait for them and the sheet's first rows read while the rest still load. The sheet's
// reader waits only for a string that is not there yet. Destruction stops the loading at its
// next block of input and waits for the thread.
class SharedStringsLoader {
 public:
  // `strings` must outlive the loader.
  SharedStringsLoader(SharedStrings& strings, std::filesystem::path file, ZipPartOpener part);
  ~SharedStringsLoader();
  SharedStringsLoader(const SharedStringsLoader&) = delete;
  SharedStringsLoader& operator=(const SharedStringsLoader&) = delete;

 private:
  void load();

  SharedStrings& strings_;
  std::filesystem::path file_;
  ZipPartOpener part_;
  std::atomic<bool> stopping_{false};
  std::thread worker_;  // last: started once everything above is ready
};

}  // namespace quillmere::source::xlsx
