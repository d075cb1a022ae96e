#pragma once

#include <cstddef>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace quillmere::core {

// Why a record could not be stored. The message states what happened and why; the kind,
// the path and the system's error number let a window or a command line add what its user
// can do about it.
class SinkError : public std::runtime_error {
 public:
  enum class Kind {
    FolderNotMade,
    FileNotMade,
    WriteFailed,
    LeftIncomplete,  // a write failed and its part already in the file could not be taken back
    RecordsLost,     // records counted as written earlier never reached the file
    CloseFailed,
    NotCompleted,
    Other,
  };

  explicit SinkError(const std::string& message) : std::runtime_error(message) {}
  SinkError(Kind kind, std::filesystem::path path, int systemError, const std::string& message)
      : std::runtime_error(message),
        kind_(kind),
        path_(std::move(path)),
        systemError_(systemError) {}

  Kind kind() const { return kind_; }
  const std::filesystem::path& path() const { return path_; }
  int systemError() const { return systemError_; }

 private:
  Kind kind_ = Kind::Other;
  std::filesystem::path path_;
  int systemError_ = 0;
};

// A card larger than its destination takes for one contact; nothing of it was stored.
class CardTooLarge : public SinkError {
 public:
  CardTooLarge(std::size_t bytes, std::size_t limit, std::string destination)
      : SinkError("The card is " + std::to_string(kilobytesOf(bytes)) + " KB, more than the " +
                  std::to_string(limit / 1024) + " KB " + destination +
                  " takes for one contact; shorten its notes."),
        kilobytes_(kilobytesOf(bytes)),
        limitKilobytes_(limit / 1024),
        destination_(std::move(destination)) {}

  std::size_t kilobytes() const { return kilobytes_; }
  std::size_t limitKilobytes() const { return limitKilobytes_; }
  const std::string& destination() const { return destination_; }

 private:
  static std::size_t kilobytesOf(std::size_t bytes) { return (bytes + 1023) / 1024; }
  std::size_t kilobytes_;
  std::size_t limitKilobytes_;
  std::string destination_;
};

// Where the records of a run go. Each record is stored whole or not at all.
class RecordSink {
 public:
  virtual ~RecordSink() = default;

  // Makes the place the records go to; called once, before the first record. Throws
  // SinkError when that fails, and every later append fails for the same reason.
  virtual void begin() = 0;

  // Adds the record text and a CR LF to the named file, creating it if it is new. Throws
  // SinkError, leaving the file as it was before.
  virtual void append(const std::string& fileName, std::string_view record) = 0;

  // Closes what is open; throws SinkError when data written before could not be kept.
  virtual void finish() = 0;

  // Called after finish() once the run has taken every row, and only then: the place the
  // records went may now look finished. Throws SinkError when it cannot.
  virtual void complete() {}

  // Where the records went, to show the user.
  virtual std::string location() const = 0;
};

}  // namespace quillmere::core
