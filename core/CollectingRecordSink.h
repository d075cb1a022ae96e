#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/RecordSink.h"

namespace quillmere::core {

// Keeps every record of a run as it is stored, in order, for sending elsewhere after it;
// with an inner sink, the records are stored there too.
class CollectingRecordSink : public RecordSink {
 public:
  explicit CollectingRecordSink(std::unique_ptr<RecordSink> inner = nullptr)
      : inner_(std::move(inner)) {}

  void begin() override {
    if (inner_) inner_->begin();
  }
  void append(const std::string& fileName, std::string_view record) override {
    if (inner_) inner_->append(fileName, record);
    records.emplace_back(record);
  }
  void finish() override {
    if (inner_) inner_->finish();
  }
  void complete() override {
    if (inner_) inner_->complete();
  }
  std::string location() const override { return inner_ ? inner_->location() : std::string(); }

  std::vector<std::string> records;

 private:
  std::unique_ptr<RecordSink> inner_;
};

}  // namespace quillmere::core
