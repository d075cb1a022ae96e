#include "core/CounterText.h"

namespace quillmere::core {

std::string withSignPlace(std::int64_t number) {
  std::string text = std::to_string(number);
  if (number >= 0) text.insert(text.begin(), ' ');
  return text;
}

std::string counterCaption(std::int64_t counter, std::int64_t total) {
  std::string text = withSignPlace(counter);
  text += '/';
  text += std::to_string(total);
  return text;
}

}  // namespace quillmere::core
