#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <thread>

#include "core/ContactUid.h"
#include "core/Destination.h"
#include "core/RecordsAhead.h"
#include "source/HandOff.h"

namespace quillmere::core {

// A row whose record is built and waits to be read back before it is written.
struct RowToCheck {
  BuiltRow built;
  std::optional<ContactUid> uid;  // the UID its card got, in the standard forms
  VCardVersion version = VCardVersion::V21;
  Destination destination = Destination::AnyApp;
  bool singleFile = false;
  std::int32_t perFile = 0;
};

// Reads back the records a run builds on its own thread, a batch at a time on a thread of its
// own while the run builds the next batch; the run writes each batch as it comes back, in
// order. The batches go there and back through one hand-off of kPlaces places: the run fills a
// place again once the batch it held is read back, and writes that batch first. Where the
// system refuses the thread, each batch is read back where it is handed over.
class ReadBackWorker {
 public:
  ReadBackWorker();
  ~ReadBackWorker();
  ReadBackWorker(const ReadBackWorker&) = delete;
  ReadBackWorker& operator=(const ReadBackWorker&) = delete;

  // The row to fill next; it joins the batch when added, so a row that failed to be read is
  // never written.
  RowToCheck& slot() { return filling_->rows[filling_->count]; }
  // Adds the row filled in slot(); true when that fills the batch.
  bool add() { return ++filling_->count == kRows; }
  // Hands the filled batch over and gives back the one handed over kPlaces - 1 before it, read
  // back; empty the first kPlaces - 1 times. Its rows stay valid until the next add().
  std::span<RowToCheck> handOver();
  // At the end: gives back the batches handed over, then the one being filled, each read back;
  // then nothing.
  std::span<RowToCheck> drain();

 private:
  static constexpr std::size_t kRows = 256;
  // The run waits for the read-back only once it is kPlaces - 1 batches behind: on two busy
  // cores the read-back's thread is not always given its turn as soon as a batch is ready.
  static constexpr std::size_t kPlaces = 4;
  struct Batch {
    std::array<RowToCheck, kRows> rows;
    std::size_t count = 0;
  };

  static void readBack(Batch& batch);

  // One place filled by the run while the worker reads back the others.
  source::HandOff<Batch> batches_{kPlaces};
  std::size_t number_ = 0;  // of the batch being filled, counted from 0
  Batch* filling_;
  std::optional<std::size_t> last_;  // the batch being filled when the sheet gave its last row
  // Last: started once everything above is ready. Not running when the system refused it.
  std::jthread thread_;
};

}  // namespace quillmere::core
