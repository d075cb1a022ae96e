#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/RecordSink.h"
#include "tools/ConvertCommand.h"

namespace quillmere::tools {

// The cards a run writes, kept as they are written, for sending to an address book after it.
class CardCollector : public core::RecordSink {
 public:
  explicit CardCollector(std::unique_ptr<core::RecordSink> files) : files_(std::move(files)) {}

  void begin() override { files_->begin(); }
  void append(const std::string& fileName, std::string_view record) override {
    files_->append(fileName, record);
    cards.emplace_back(record);
  }
  void finish() override { files_->finish(); }
  void complete() override { files_->complete(); }
  std::string location() const override { return files_->location(); }

  std::vector<std::string> cards;

 private:
  std::unique_ptr<core::RecordSink> files_;
};

// Sends `cards` (written from `rows`, in the same order) to the address book at the command's
// address, the password from QUILLMERE_PASSWORD or asked on the terminal. Prints the plan and
// what became of each card; returns 0 when every card is on the server as written, 1 when
// some are not, 2 when nothing could be sent.
int uploadCards(const UploadCommand& command, const std::vector<std::string>& cards,
                const std::vector<std::uint32_t>& rows);

}  // namespace quillmere::tools
