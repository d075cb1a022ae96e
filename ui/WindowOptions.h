#pragma once

#include <QString>
#include <string>

#include "core/ExportOptions.h"

class QCheckBox;

namespace quillmere::ui {

// The choices on the export page, read from their controls at the moment a run or the card
// preview asks. The version text and the boxes must outlive it.
class WindowOptions : public core::ExportOptions {
 public:
  WindowOptions(const QString& version, const QCheckBox& singleFile, const QCheckBox& allowEmpty,
                const QCheckBox& numbersAsShown)
      : version_(version),
        singleFile_(singleFile),
        allowEmpty_(allowEmpty),
        numbersAsShown_(numbersAsShown) {}

  std::string vCardVersion() override;
  bool singleFile() override;
  bool allowEmptyEmail() override;
  bool keepNumbersAsShown() override;

 private:
  const QString& version_;
  const QCheckBox& singleFile_;
  const QCheckBox& allowEmpty_;
  const QCheckBox& numbersAsShown_;
};

}  // namespace quillmere::ui
