#pragma once

#include <QString>

class QLabel;

namespace quillmere::ui {

// The text as `label` can show it whole in its word-wrapped lines, or cut after the last word
// that fits, with an ellipsis.
QString fittedText(const QString& text, const QLabel& label);

}  // namespace quillmere::ui
