#pragma once

#include <filesystem>
#include <memory>

#include "source/ReadLimits.h"
#include "source/Workbook.h"

namespace quillmere::source::xlsx {

std::unique_ptr<Workbook> openXlsx(const std::filesystem::path& path, const ReadLimits& limits);

}  // namespace quillmere::source::xlsx
