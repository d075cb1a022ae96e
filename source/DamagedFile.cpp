#include "source/DamagedFile.h"

#include <string>
#include <utility>

namespace quillmere::source {

WorkbookError damagedFile(const std::filesystem::path& file, std::string_view detail,
                          WorkbookError::Details details, Damage damage) {
  std::string problem;
  switch (damage) {
    case Damage::Broken:
      problem.append("is damaged: ").append(detail);
      break;
    case Damage::MaybeCutShort:
      problem.append("is damaged or incomplete: ").append(detail);
      break;
    case Damage::SaveAgain:
      problem.append("is damaged and cannot be read (")
          .append(detail)
          .append(
              "). If your spreadsheet program still opens it, save it again and open the "
              "new copy.");
      break;
  }
  return WorkbookError(WorkbookError::Kind::Corrupt, file, problem, std::move(details));
}

}  // namespace quillmere::source
