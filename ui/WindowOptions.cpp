#include "ui/WindowOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLocale>
#include <QSpinBox>

#include "core/WrittenDate.h"

namespace quillmere::ui {

core::VCardVersion WindowOptions::vCardVersion() {
  return version_;
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

core::Destination WindowOptions::destination() {
  const QByteArray name = destination_.currentData().toString().toLatin1();
  return core::destinationNamed(std::string_view(name.constData(), name.size()))
      .value_or(core::Destination::AnyApp);
}

std::int32_t WindowOptions::perFile() {
  return perFile_.value();
}

std::optional<core::OptionAnswers> WindowOptions::answers() {
  // Reading the controls changes nothing, so the run may ask for them all at once.
  return core::OptionAnswers{vCardVersion(),       singleFile(), allowEmptyEmail(),
                             keepNumbersAsShown(), moreFields(), phoneCountry(),
                             destination(),        perFile(),    dayOrder()};
}

core::DayOrder WindowOptions::dayOrder() {
  return core::dayOrderOfLocale(QLocale().name().toStdString());
}

}  // namespace quillmere::ui
