#include <gtest/gtest.h>

#include "ui/WizardSteps.h"

namespace quillmere::ui {
namespace {

using Action = WizardSteps::NextAction;

struct Shown {
  int step;
  int tab;
  bool next;
  bool previous;
  std::string_view caption;
  bool browse;
  friend bool operator==(const Shown&, const Shown&) = default;
};

std::ostream& operator<<(std::ostream& out, const Shown& s) {
  return out << "step " << s.step << ", tab " << s.tab << ", next " << s.next << " \"" << s.caption
             << "\", previous " << s.previous << ", browse " << s.browse;
}

Shown shown(const WizardSteps& steps) {
  return {steps.currentStep(),     steps.shownTab(),    steps.nextEnabled(),
          steps.previousEnabled(), steps.nextCaption(), steps.browseEnabled()};
}

TEST(WizardSteps, StartsOnTheSelectTabWithBothButtonsOff) {
  WizardSteps steps;
  EXPECT_EQ(shown(steps), (Shown{0, 0, false, false, "&Next >", true}));
  EXPECT_EQ(steps.next(false), Action::None);
  EXPECT_EQ(steps.currentStep(), 0);
}

TEST(WizardSteps, WalksForwardFillingTheListsOnceAndBack) {
  WizardSteps steps;
  // A Browse that loaded nothing leaves nothing to go on to.
  steps.browsed(false);
  EXPECT_EQ(steps.next(true), Action::None);
  steps.browsed(true);
  EXPECT_EQ(shown(steps), (Shown{1, 0, true, false, "&Next >", true}));
  EXPECT_EQ(steps.next(true), Action::FillLists);
  steps.listsWereFilled();
  EXPECT_EQ(shown(steps), (Shown{2, 1, true, true, "&Next >", false}));

  steps.previous();
  EXPECT_EQ(shown(steps), (Shown{1, 0, true, false, "&Next >", true}));
  EXPECT_EQ(steps.next(true), Action::EnterMap);

  EXPECT_EQ(steps.next(true), Action::RefuseEmptyMap);
  EXPECT_EQ(shown(steps), (Shown{2, 1, true, true, "&Next >", false}));
  EXPECT_EQ(steps.next(false), Action::EnterExport);
  EXPECT_EQ(shown(steps), (Shown{3, 2, true, true, "Conver&t", false}));

  steps.previous();
  EXPECT_EQ(shown(steps), (Shown{2, 1, true, true, "Next", false}));
  EXPECT_EQ(steps.next(false), Action::EnterExport);
  EXPECT_EQ(shown(steps).caption, "Conver&t");
  EXPECT_EQ(steps.next(false), Action::Convert);
}

TEST(WizardSteps, ANewWorkbookHasItsListsFilledAfresh) {
  WizardSteps steps;
  steps.browsed(true);
  EXPECT_EQ(steps.next(true), Action::FillLists);
  steps.listsWereFilled();
  steps.previous();
  steps.workbookLoaded();
  steps.browsed(true);
  EXPECT_EQ(steps.next(true), Action::FillLists);
}

TEST(WizardSteps, AConversionKeepsBothButtonsOffUntilAFolderIsChosen) {
  WizardSteps steps;
  steps.browsed(true);
  steps.next(true);
  steps.listsWereFilled();
  steps.next(false);
  steps.conversionStarted();
  EXPECT_EQ(shown(steps), (Shown{3, 2, false, false, "Conver&t", false}));
  EXPECT_EQ(steps.next(false), Action::None);
  steps.previous();
  EXPECT_EQ(steps.currentStep(), 3);
  steps.folderChosen();
  EXPECT_EQ(shown(steps), (Shown{3, 2, true, false, "Conver&t", false}));
}

TEST(WizardSteps, WhileBusyNothingThatStartsWorkIsOn) {
  WizardSteps steps;
  steps.browsed(true);
  steps.setBusy(true);
  EXPECT_EQ(shown(steps), (Shown{1, 0, false, false, "&Next >", false}));
  EXPECT_EQ(steps.next(false), Action::None);
  EXPECT_EQ(steps.currentStep(), 1);
  steps.setBusy(false);
  EXPECT_TRUE(steps.nextEnabled());
}

}  // namespace
}  // namespace quillmere::ui
