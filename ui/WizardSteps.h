#pragma once

#include <QCoreApplication>
#include <string_view>

namespace quillmere::ui {

// The wizard's step logic without any widget: which step it is on, which tab is shown and
// may be chosen, the two buttons' states and the Next caption, and what Next asks the window
// to do. The window applies the state to its controls after every call.
class WizardSteps {
  Q_DECLARE_TR_FUNCTIONS(WizardSteps)

 public:
  // 0: nothing loaded yet; 1 "1. Select"; 2 "2. Map Columns"; 3 "3. Export".
  enum class Step { Start = 0, Select = 1, Map = 2, Export = 3 };

  // What the window must do for a press of Next; the step has already changed when it
  // says so.
  enum class NextAction {
    None,            // nothing to do (step 0, or busy)
    FillLists,       // entered step 2 and the pick lists have to be filled first
    EnterMap,        // entered step 2; lists already filled
    RefuseEmptyMap,  // stay on step 2: show "Please Map Excel Column to Outlook Attribute."
    EnterExport,     // entered step 3: put the default folder into an empty folder box
    Convert,         // on step 3: run the export
  };

  // In English; the window shows them through tr().
  static constexpr std::string_view kStartCaption = QT_TRANSLATE_NOOP("WizardSteps", "&Next >");
  static constexpr std::string_view kConvertCaption = QT_TRANSLATE_NOOP("WizardSteps", "Conver&t");
  static constexpr std::string_view kPlainCaption = QT_TRANSLATE_NOOP("WizardSteps", "Next");

  Step step() const { return step_; }
  int currentStep() const { return static_cast<int>(step_); }
  bool listsFilled() const { return listsFilled_; }

  // The tab shown, and the only one that can be chosen: 0, 1 or 2.
  int shownTab() const;
  bool nextEnabled() const { return nextEnabled_ && !busy_; }
  bool previousEnabled() const { return previousEnabled_ && !busy_; }
  std::string_view nextCaption() const { return nextCaption_; }
  // Browse and the toolbar's Open Excel: only on the first step, and never while busy.
  bool browseEnabled() const { return !busy_ && (step_ == Step::Start || step_ == Step::Select); }

  // A workbook load or an export run is in progress: nothing that starts another may act.
  void setBusy(bool busy) { busy_ = busy; }
  bool busy() const { return busy_; }

  // After Browse, whether or not it loaded a workbook: Next leads on only when one is there.
  void browsed(bool workbookThere);
  // After a load that succeeded: the new workbook's headers must be offered afresh.
  void workbookLoaded() { listsFilled_ = false; }

  // `mappingEmpty` is only asked on step 2.
  NextAction next(bool mappingEmpty);
  void listsWereFilled() { listsFilled_ = true; }
  void previous();

  // The export run has started; Convert and Previous stay off until a new folder is chosen.
  void conversionStarted();
  // The export stopped before writing anything: Convert is on again, and Previous too when
  // the way forward is another workbook.
  void conversionRefused(bool canGoBack) {
    nextEnabled_ = true;
    previousEnabled_ = previousEnabled_ || canGoBack;
  }
  // A run has ended: Previous is on again, so the pairs can change for another run.
  void conversionEnded() {
    if (!busy_) previousEnabled_ = true;
  }
  // An option of step 3 changed: after a run, Convert is on again for a run of its own.
  void optionChanged() {
    if (!busy_ && step_ == Step::Export) nextEnabled_ = true;
  }
  // A folder was chosen with "Change..." (or the dialog was cancelled): Convert is on again,
  // but never while a conversion is still running.
  void folderChosen() {
    if (!busy_) nextEnabled_ = true;
  }

 private:
  Step step_ = Step::Start;
  bool listsFilled_ = false;
  bool nextEnabled_ = false;
  bool previousEnabled_ = false;
  bool busy_ = false;
  std::string_view nextCaption_ = kStartCaption;
};

}  // namespace quillmere::ui
