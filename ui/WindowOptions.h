#pragma once

#include <QString>
#include <string>

#include "core/ExportOptions.h"

class QCheckBox;
class QComboBox;
class QSpinBox;

namespace quillmere::ui {

// The choices on the export page, read from their controls at the moment a run or the card
// preview asks. The version and the boxes must outlive it.
class WindowOptions : public core::ExportOptions {
 public:
  WindowOptions(const core::VCardVersion& version, const QCheckBox& singleFile,
                const QCheckBox& allowEmpty, const QCheckBox& numbersAsShown,
                const QCheckBox& moreFields, const QCheckBox& internationalPhones,
                const QComboBox& phoneCountry, const QComboBox& destination,
                const QSpinBox& perFile)
      : version_(version),
        singleFile_(singleFile),
        allowEmpty_(allowEmpty),
        numbersAsShown_(numbersAsShown),
        moreFields_(moreFields),
        internationalPhones_(internationalPhones),
        phoneCountry_(phoneCountry),
        destination_(destination),
        perFile_(perFile) {}

  core::VCardVersion vCardVersion() override;
  bool singleFile() override;
  bool allowEmptyEmail() override;
  bool keepNumbersAsShown() override;
  bool moreFields() override;
  // The chosen country's region code while the international form is asked for.
  std::string phoneCountry() override;
  core::Destination destination() override;
  std::int32_t perFile() override;
  // The desktop's, for a date column whose dates read either way.
  core::DayOrder dayOrder() override;
  std::optional<core::OptionAnswers> answers() override;

 private:
  const core::VCardVersion& version_;
  const QCheckBox& singleFile_;
  const QCheckBox& allowEmpty_;
  const QCheckBox& numbersAsShown_;
  const QCheckBox& moreFields_;
  const QCheckBox& internationalPhones_;
  const QComboBox& phoneCountry_;
  const QComboBox& destination_;
  const QSpinBox& perFile_;
};

}  // namespace quillmere::ui
