#pragma once

#include <filesystem>
#include <memory>

#include "source/ReadLimits.h"
#include "source/Workbook.h"

namespace quillmere::source::xls {

std::unique_ptr<Workbook> openXls(const std::filesystem::path& path, const ReadLimits& limits);

}  // namespace quillmere::source::xls
