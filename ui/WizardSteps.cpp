#include "ui/WizardSteps.h"

namespace quillmere::ui {

int WizardSteps::shownTab() const {
  switch (step_) {
    case Step::Map:
      return 1;
    case Step::Export:
      return 2;
    case Step::Start:
    case Step::Select:
      break;
  }
  return 0;
}

void WizardSteps::browsed(bool workbookThere) {
  step_ = Step::Select;
  // With nothing loaded, Next would lead to an empty Map Columns page.
  nextEnabled_ = workbookThere;
  previousEnabled_ = false;
}

WizardSteps::NextAction WizardSteps::next(bool mappingEmpty) {
  if (!nextEnabled()) return NextAction::None;
  switch (step_) {
    case Step::Start:
      return NextAction::None;
    case Step::Select:
      step_ = Step::Map;
      previousEnabled_ = true;
      return listsFilled_ ? NextAction::EnterMap : NextAction::FillLists;
    case Step::Map:
      if (mappingEmpty) return NextAction::RefuseEmptyMap;
      nextCaption_ = kConvertCaption;
      step_ = Step::Export;
      return NextAction::EnterExport;
    case Step::Export:
      return NextAction::Convert;
  }
  return NextAction::None;
}

void WizardSteps::previous() {
  if (!previousEnabled()) return;
  switch (step_) {
    case Step::Map:
      step_ = Step::Select;
      previousEnabled_ = false;
      break;
    case Step::Export:
      step_ = Step::Map;
      nextCaption_ = kPlainCaption;
      // Back from a finished run, Next leads on to convert the pairs as they are now.
      nextEnabled_ = true;
      break;
    case Step::Start:
    case Step::Select:
      break;
  }
}

void WizardSteps::conversionStarted() {
  previousEnabled_ = false;
  nextEnabled_ = false;
}

}  // namespace quillmere::ui
