#pragma once

#include "core/ExportJob.h"
#include "core/ExportObserver.h"
#include "core/ExportOptions.h"
#include "core/ExportReport.h"
#include "core/RecordSink.h"
#include "source/SheetReader.h"
#include "source/load/SheetTable.h"

namespace quillmere::core {

// Turns every data row the load counted, in sheet order, into a vCard record in the sink.
// Reads `sheet` from its start; throws WorkbookChanged before anything is written when its
// header row differs from the loaded one. A record that cannot be stored does not stop the
// run; the report says which and why.
ExportReport exportContacts(source::SheetReader& sheet, const ExportJob& job,
                            ExportOptions& options, RecordSink& sink, ExportObserver& observer);

}  // namespace quillmere::core
