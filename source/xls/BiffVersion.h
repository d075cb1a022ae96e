#pragma once

namespace quillmere::source::xls {

enum class BiffVersion { Biff2, Biff3, Biff4, Biff5, Biff8 };

}  // namespace quillmere::source::xls
