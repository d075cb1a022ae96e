#pragma once

#include <vector>

class QWidget;

namespace quillmere::ui {

// A page's controls in the order Tab visits them, in two runs: the window's Tab order runs
// across the pages and puts controls of its own and of the other pages between them.
struct FocusOrder {
  std::vector<QWidget*> lead;
  std::vector<QWidget*> rest;
};

}  // namespace quillmere::ui
