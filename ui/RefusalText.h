#pragma once

#include <QString>
#include <exception>

namespace quillmere::ui {

// Why a workbook could not be loaded or converted, in the window's language: where the window
// speaks English, the reader's own sentence, which says the most; in any other language the
// kind of problem worded by the translation, with the facts that need no words (the part and
// the row), so no English sentence reaches a translated window. A changed workbook's message
// ends with what to do.
QString refusalText(const std::exception& error);

}  // namespace quillmere::ui
