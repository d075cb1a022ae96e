#pragma once

#include <array>
#include <cstddef>
#include <exception>
#include <stop_token>

#include "core/ContactRowReader.h"
#include "core/ExportJob.h"
#include "core/ExportOptions.h"
#include "core/RecordsAhead.h"
#include "source/SheetReader.h"
#include "source/load/DataRowWalk.h"

namespace quillmere::core {

// Builds the records of a sheet read once as it goes (a file), with answers that never
// change: the builders take turns at the sheet, each reading the next batch's data rows along
// the walk into contact values, and build the records apart. The sheet and the walk are the
// builders' alone while this lives; it starts building at once.
class RecordsAheadFromFile {
 public:
  RecordsAheadFromFile(source::SheetReader& sheet, source::DataRowWalk& walk, const ExportJob& job,
                       const OptionAnswers& answers);

  // The next row built, or none once the data have ended or the building failed; valid
  // until the next call.
  const BuiltRow* next() { return records_.next(); }
  // Why the sheet ended early, once next() has given the rows before the failure.
  std::exception_ptr failure() const { return records_.failure(); }

 private:
  static constexpr std::size_t kBuilders = RecordsAhead::kBuilders;

  // What a builder keeps from one of its batches to the next.
  struct Builder {
    Builder(const ExportJob& job, const OptionAnswers& answers) : reader(job), options(answers) {}
    ContactRowReader reader;
    FixedAnswers options;
  };

  bool build(std::size_t number, BuiltBatch& batch, const std::stop_token& stop);
  // Reads the sheet's next data rows into `batch`, in the builder's turn.
  void read(BuiltBatch& batch, Builder& builder);

  source::SheetReader& sheet_;
  source::DataRowWalk& walk_;
  const ExportJob& job_;
  OptionAnswers answers_;
  std::array<Builder, kBuilders> builders_;
  RecordsAhead records_;  // last: its builders stop before the rest goes
};

}  // namespace quillmere::core
