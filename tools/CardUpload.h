#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/ConvertCommand.h"

namespace quillmere::tools {

// What the run said of a card it wrote: its sheet row, and whether it holds the photo its
// row names or why it goes without (the run's note, empty when there is none).
struct WrittenCard {
  std::uint32_t row = 0;
  bool hasPhoto = false;
  std::string photoLeftOut;
};

// Sends `cards` (described by `written`, in the same order) to the address book at the
// command's address, the password from QUILLMERE_PASSWORD or asked on the terminal. Prints the
// plan, what became of each card and the photos sent and left out; returns 0 when every card
// is on the server as written, 1 when some are not, 2 when nothing could be sent.
int uploadCards(const UploadCommand& command, const std::vector<std::string>& cards,
                const std::vector<WrittenCard>& written);

}  // namespace quillmere::tools
