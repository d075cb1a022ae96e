#pragma once

#include <filesystem>
#include <memory>

#include "source/ReadLimits.h"
#include "source/Workbook.h"

namespace quillmere::source::csv {

std::unique_ptr<Workbook> openCsv(const std::filesystem::path& path, const ReadLimits& limits);

}  // namespace quillmere::source::csv
