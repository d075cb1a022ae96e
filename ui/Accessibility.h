#pragma once

namespace quillmere::ui {

// Teaches assistive technology what Qt's defaults get wrong for this window: separator lines
// are separators, not frames, and a switched-off step tab is disabled. Safe to call often.
void installAccessibility();

}  // namespace quillmere::ui
