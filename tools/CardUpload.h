#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/ConvertCommand.h"

namespace quillmere::tools {

// Sends `cards` (written from `rows`, in the same order) to the address book at the command's
// address, the password from QUILLMERE_PASSWORD or asked on the terminal. Prints the plan and
// what became of each card; returns 0 when every card is on the server as written, 1 when
// some are not, 2 when nothing could be sent.
int uploadCards(const UploadCommand& command, const std::vector<std::string>& cards,
                const std::vector<std::uint32_t>& rows);

}  // namespace quillmere::tools
