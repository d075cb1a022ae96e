#pragma once

namespace quillmere::ui {

// Teaches assistive technology what Qt's defaults get wrong for this window: separator lines
// are separators, not frames, a switched-off step tab is disabled, and a link is a link. Safe to
// call often.
void installAccessibility();

}  // namespace quillmere::ui
