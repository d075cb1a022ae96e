#include "ui/WindowOptions.h"

#include <QCheckBox>

namespace quillmere::ui {

std::string WindowOptions::vCardVersion() {
  return version_.toStdString();
}

bool WindowOptions::singleFile() {
  return singleFile_.isChecked();
}

bool WindowOptions::allowEmptyEmail() {
  return allowEmpty_.isChecked();
}

bool WindowOptions::keepNumbersAsShown() {
  return numbersAsShown_.isChecked();
}

}  // namespace quillmere::ui
