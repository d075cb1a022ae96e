#include "ui/WindowOptions.h"

#include <QLocale>

#include "core/WrittenDate.h"
#include "ui/ExportPage.h"
#include "ui/MapPage.h"

namespace quillmere::ui {

core::VCardVersion WindowOptions::vCardVersion() {
  return version_;
}

bool WindowOptions::singleFile() {
  return page_.singleFile();
}

bool WindowOptions::allowEmptyEmail() {
  return page_.allowEmptyEmail();
}

bool WindowOptions::keepNumbersAsShown() {
  return page_.numbersAsShown();
}

bool WindowOptions::moreFields() {
  return map_.moreFieldsOffered();
}

std::string WindowOptions::phoneCountry() {
  if (!page_.internationalPhones()) return {};
  return page_.phoneCountry().toStdString();
}

core::Destination WindowOptions::destination() {
  return page_.destination();
}

std::int32_t WindowOptions::perFile() {
  return page_.perFile();
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
