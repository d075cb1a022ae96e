#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace quillmere::core {

// Why a record could not be stored, in words a user can act on.
class SinkError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
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

  // Where the records went, to show the user.
  virtual std::string location() const = 0;
};

}  // namespace quillmere::core
