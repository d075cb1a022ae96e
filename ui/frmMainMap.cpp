// Step 2's pairing of the sheet's columns with vCard fields.
#include "core/MatchByName.h"
#include "ui/MapPage.h"
#include "ui/QtText.h"
#include "ui/frmMain.h"

namespace quillmere::ui {

void frmMain::fillLists() {
  mapping_.fillLists(sheetTable().headers);
  showMapping();
}

void frmMain::cmdAddMapping_Click() {
  const core::MappingMessage message = mapping_.addMapping();
  if (message != core::MappingMessage::None) {
    showMessage(fromLatin(core::messageText(message)));
    return;
  }
  // The new pair is selected and shown, or in a long list nothing would seem to happen.
  mapping_.selectEntry(mapping_.pairs().size() - 1);
  showMapping();
}

void frmMain::cmdRemove_Click() {
  const core::MappingMessage message = mapping_.removeMapping();
  if (message != core::MappingMessage::None) {
    showMessage(fromLatin(core::messageText(message)));
    return;
  }
  showMapping();
}

void frmMain::cmdMatchByName_Click() {
  const core::NameMatch match = core::matchByName(mapping_);
  showMapping();
  showStatusMessage(
      QStringLiteral("%1 of %2 %3 matched by name")
          .arg(match.paired)
          .arg(match.offered)
          .arg(match.offered == 1 ? QStringLiteral("column") : QStringLiteral("columns")));
}

void frmMain::showMapping() {
  mapPage_->show(mapping_);
}

}  // namespace quillmere::ui
