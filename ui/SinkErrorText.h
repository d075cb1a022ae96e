#pragma once

#include <QString>

#include "core/RecordSink.h"

namespace quillmere::ui {

// Why a record could not be stored, worded in the window's language from the error's kind,
// path and system error; the sink's own sentence where the window speaks English or the
// error carries nothing more.
QString sinkErrorText(const core::SinkError& error);

}  // namespace quillmere::ui
