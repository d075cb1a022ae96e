#pragma once

#include <zip.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>

struct inflate_state;

namespace quillmere::source::xlsx {

// Inflates a zip entry's deflate stream, read raw from libzip (ZIP_FL_COMPRESSED), with
// Intel's ISA-L, which inflates several times faster than zlib; the CRC-32 is computed as it
// goes. Anything it cannot read to a good end it declines, and zlib reads the entry instead:
// zlib then says what is wrong in its own words.
class IsalInflater {
 public:
  struct Close {
    void operator()(zip_file_t* entry) const;
  };
  using RawEntry = std::unique_ptr<zip_file_t, Close>;

  explicit IsalInflater(RawEntry raw);
  ~IsalInflater();
  IsalInflater(const IsalInflater&) = delete;
  IsalInflater& operator=(const IsalInflater&) = delete;

  // Inflates up to `capacity` bytes into `buffer`; 0 only at the end of the stream. Nothing
  // when the stream is damaged, cut short or its raw bytes cannot be read.
  std::optional<std::size_t> read(char* buffer, std::size_t capacity);

  // The CRC-32 of every byte inflated so far.
  std::uint32_t crc() const;

 private:
  static constexpr std::size_t kInputBytes = 128 * 1024;

  RawEntry raw_;
  std::unique_ptr<inflate_state> state_;
  std::unique_ptr<unsigned char[]> input_;
  bool rawEnded_ = false;
};

}  // namespace quillmere::source::xlsx
