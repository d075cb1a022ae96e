#pragma once

#include <string>
#include <string_view>

#include "source/xlsx/PartSource.h"

namespace quillmere::source::xlsx {

// A part held in memory; the fuzz target and the parser tests feed XML through it.
class MemoryPartSource : public PartSource {
 public:
  explicit MemoryPartSource(std::string data) : data_(std::move(data)) {}

  std::size_t read(char* buffer, std::size_t capacity) override;

 private:
  std::string data_;
  std::size_t position_ = 0;
};

}  // namespace quillmere::source::xlsx
