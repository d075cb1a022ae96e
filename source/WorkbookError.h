#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

namespace quillmere::source {

// Why a workbook could not be read. The message names the file and says what is wrong in
// words a user can act on; the facts behind it are there too, for a caller that words its own.
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

  // Where in the file the problem lies and what the system said, each only where known.
  struct Details {
    // Each with an initializer, so that a caller names only the facts it has.
    std::optional<std::string> part = {};   // the .xlsx part, such as "xl/worksheets/sheet1.xml"
    std::optional<std::uint32_t> row = {};  // the worksheet row, counted from 1
    std::optional<int> errorNumber = {};    // the errno of the system call that failed
  };

  WorkbookError(Kind kind, const std::filesystem::path& file, const std::string& problem);
  WorkbookError(Kind kind, const std::filesystem::path& file, const std::string& problem,
                Details details);

  Kind kind() const { return kind_; }
  const std::filesystem::path& file() const { return facts_->file; }
  // What is wrong, as it follows the file's name in what(): "is damaged: ...".
  const std::string& problem() const { return facts_->problem; }
  const std::optional<std::string>& part() const { return facts_->details.part; }
  std::optional<std::uint32_t> row() const { return facts_->details.row; }
  std::optional<int> errorNumber() const { return facts_->details.errorNumber; }

 private:
  struct Facts {
    std::filesystem::path file;
    std::string problem;
    Details details;
  };

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
  // Shared, so that copying the error, as throwing and catching do, cannot throw.
  std::shared_ptr<const Facts> facts_;
};

// Defined after the class: GCC cannot use Details' member initializers inside it.
inline WorkbookError::WorkbookError(Kind kind, const std::filesystem::path& file,
                                    const std::string& problem)
    : WorkbookError(kind, file, problem, Details{}) {}

inline WorkbookError::WorkbookError(Kind kind, const std::filesystem::path& file,
                                    const std::string& problem, Details details)
    : std::runtime_error(compose(file, problem)),
      kind_(kind),
      facts_(std::make_shared<const Facts>(Facts{file, problem, std::move(details)})) {}

}  // namespace quillmere::source
