#include "source/xlsx/IsalInflater.h"

#include <isa-l/igzip_lib.h>

#include <algorithm>
#include <climits>

namespace quillmere::source::xlsx {

void IsalInflater::Close::operator()(zip_file_t* entry) const {
  // Raw data carries no checksum for libzip to report on closing.
  static_cast<void>(zip_fclose(entry));
}

IsalInflater::IsalInflater(RawEntry raw)
    : raw_(std::move(raw)),
      state_(std::make_unique<inflate_state>()),
      input_(std::make_unique_for_overwrite<unsigned char[]>(kInputBytes)) {
  isal_inflate_init(state_.get());
  // A zip entry's CRC-32 is gzip's: ISA-L keeps it over the output, with no header to read.
  state_->crc_flag = ISAL_GZIP_NO_HDR;
}

IsalInflater::~IsalInflater() = default;

std::uint32_t IsalInflater::crc() const {
  return state_->crc;
}

std::optional<std::size_t> IsalInflater::read(char* buffer, std::size_t capacity) {
  inflate_state& state = *state_;
  state.next_out = reinterpret_cast<std::uint8_t*>(buffer);
  state.avail_out = static_cast<std::uint32_t>(std::min<std::size_t>(capacity, UINT32_MAX));
  const std::uint32_t wanted = state.avail_out;
  while (state.avail_out > 0 && state.block_state != ISAL_BLOCK_FINISH) {
    if (state.avail_in == 0 && !rawEnded_) {
      const zip_int64_t got = zip_fread(raw_.get(), input_.get(), kInputBytes);
      if (got < 0) return std::nullopt;
      rawEnded_ = got == 0;
      state.next_in = input_.get();
      state.avail_in = static_cast<std::uint32_t>(got);
    }
    const std::uint32_t before = state.avail_out;
    if (isal_inflate(&state) != ISAL_DECOMP_OK) return std::nullopt;
    // With every raw byte given, a call that makes nothing means the stream is cut short.
    if (rawEnded_ && state.avail_in == 0 && state.avail_out == before &&
        state.block_state != ISAL_BLOCK_FINISH) {
      if (state.avail_out != wanted) break;
      return std::nullopt;
    }
  }
  return wanted - state.avail_out;
}

}  // namespace quillmere::source::xlsx
