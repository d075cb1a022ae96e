// Step 2's buttons, forwarded to the step.
#include "ui/MapStep.h"
#include "ui/SelectPage.h"
#include "ui/frmMain.h"

namespace quillmere::ui {

void frmMain::cmdAddMapping_Click() {
  showMessageIfAny(mapStep_->add());
}

void frmMain::cmdRemove_Click() {
  showMessageIfAny(mapStep_->remove());
}

void frmMain::cmdMatchByName_Click() {
  showStatusMessage(mapStep_->matchByName(selectPage_->preview()));
}

}  // namespace quillmere::ui
