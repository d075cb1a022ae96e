#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace quillmere::source {

// Why a workbook could not be read. The message names the file and says what is wrong in
// words a user can act on.
class WorkbookError : public std::runtime_error {
 public:
  enum class Kind {
    NotFound,       // no such file
    Unreadable,     // the file exists but cannot be opened or read
    EmptyFile,      // zero bytes
    Encrypted,      // protected by a password
    Unsupported,    // a format Quillmere does not read (.xlsb, HTML, an image, ...)
    Corrupt,        // damaged or truncated
    NoWorksheet,    // a valid workbook without any worksheet
    LimitExceeded,  // a size or grid limit was passed (zip bomb, entity bomb, huge cell)
  };

  WorkbookError(Kind kind, const std::filesystem::path& file, const std::string& problem)
      : std::runtime_error(compose(file, problem)), kind_(kind) {}

  Kind kind() const { return kind_; }

 private:
  static std::string compose(const std::filesystem::path& file, const std::string& problem) {
    // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) on "..." + string.
    const std::string name = file.string();
    std::string text;
    text.reserve(name.size() + problem.size() + 3);
    text += '"';
    text += name;
    text += "\" ";
    text += problem;
    return text;
  }

  Kind kind_;
};

}  // namespace quillmere::source
