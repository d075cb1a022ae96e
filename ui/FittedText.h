#pragma once

#include <QString>

class QLabel;

namespace quillmere::ui {

// The text as `label` can show it whole in its word-wrapped lines, or cut after the last word
// that fits, with an ellipsis.
QString fittedText(const QString& text, const QLabel& label);

// Shows a notice beside the buttons (step 1's or step 3's) in its lines, heard and hovered
// whole.
void showNotice(QLabel& notice, const QString& text);

}  // namespace quillmere::ui
