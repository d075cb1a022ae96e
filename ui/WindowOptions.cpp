#include "ui/WindowOptions.h"

#include <QCheckBox>
#include <QComboBox>

namespace quillmere::ui {

std::string WindowOptions::vCardVersion() {
  if (version_ != versionAsked_ || versionText_.empty()) {
    versionAsked_ = version_;
    versionText_ = version_.toStdString();
  }
  return versionText_;
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

bool WindowOptions::moreFields() {
  return moreFields_.isChecked();
}

std::string WindowOptions::phoneCountry() {
  if (!internationalPhones_.isChecked()) return {};
  return phoneCountry_.currentData().toString().toStdString();
}

std::optional<core::OptionAnswers> WindowOptions::answers() {
  // Reading the controls changes nothing, so the run may ask for them all at once.
  return core::OptionAnswers{vCardVersion(),       singleFile(), allowEmptyEmail(),
                             keepNumbersAsShown(), moreFields(), phoneCountry()};
}

}  // namespace quillmere::ui
