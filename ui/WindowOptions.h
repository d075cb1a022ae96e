#pragma once

#include <QString>
#include <string>

#include "core/ExportOptions.h"

namespace quillmere::ui {

class ExportPage;
class MapPage;

// The choices on the export page and step 2's More Fields, read from their pages at the moment
// a run or the card preview asks. The version and the pages must outlive it.
class WindowOptions : public core::ExportOptions {
 public:
  WindowOptions(const core::VCardVersion& version, const ExportPage& page, const MapPage& map)
      : version_(version), page_(page), map_(map) {}

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
  const ExportPage& page_;
  const MapPage& map_;
};

}  // namespace quillmere::ui
