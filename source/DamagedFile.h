#pragma once

#include <filesystem>
#include <string_view>

#include "source/WorkbookError.h"

namespace quillmere::source {

// How the message words a damaged file after its name.
enum class Damage {
  Broken,         // "is damaged: <detail>"
  MaybeCutShort,  // "is damaged or incomplete: <detail>", for a file that may be a cut copy
  // "is damaged and cannot be read (<detail>). If your spreadsheet program still opens it,
  // save it again and open the new copy."
  SaveAgain,
};

// The error for a file whose contents break its format (Kind::Corrupt): every reader words
// its damage through this, `detail` saying what is broken and where.
WorkbookError damagedFile(const std::filesystem::path& file, std::string_view detail,
                          WorkbookError::Details details = {}, Damage damage = Damage::Broken);

}  // namespace quillmere::source
