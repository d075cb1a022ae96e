// Step 2's pairing of the sheet's columns with vCard fields.
#include <QSettings>
#include <map>
#include <string>
#include <vector>

#include "core/HeaderNames.h"
#include "core/MatchByName.h"
#include "ui/MapPage.h"
#include "ui/QtText.h"
#include "ui/SelectPage.h"
#include "ui/frmMain.h"

namespace quillmere::ui {

namespace {

// Header texts the user paired by hand, kept in the program's settings on this machine.
const QString kLearnedPairs = QStringLiteral("Pairs Made by Hand");

std::map<std::string, core::Field> learnedPairs() {
  QSettings settings;
  settings.beginGroup(kLearnedPairs);
  std::map<std::string, core::Field> learned;
  for (const QString& key : settings.childKeys()) {
    // A field name this version does not know is passed over, not guessed at; a More Field
    // pairs again only while More Fields is ticked.
    const auto field = core::fieldFromName(settings.value(key).toString().toStdString(), true);
    if (field) learned.emplace(key.toStdString(), *field);
  }
  return learned;
}

void learnPair(const core::ColumnPair& pair) {
  const std::string key = core::learnedHeaderKey(pair.header.text);
  // A header of punctuation alone has no key to be found by again.
  if (key.empty()) return;
  QSettings settings;
  settings.beginGroup(kLearnedPairs);
  settings.setValue(fromUtf8(key), fromLatin(core::fieldName(pair.field)));
}

// What Add or Remove says instead of acting, in the window's language.
QString mappingMessageText(core::MappingMessage message) {
  switch (message) {
    case core::MappingMessage::SelectOutlookField:
      return frmMain::tr("Please Select the Outlook Field.");
    case core::MappingMessage::SelectExcelField:
      return frmMain::tr("Please Select the Excel Field.");
    case core::MappingMessage::SelectAddedItem:
      return frmMain::tr("Select the item from the added fields.");
    case core::MappingMessage::None:
      break;
  }
  return QString();
}

}  // namespace

void frmMain::fillLists() {
  mapping_.fillLists(sheetTable().headers);
  showMapping();
}

void frmMain::cmdAddMapping_Click() {
  const core::MappingMessage message = mapping_.addMapping();
  if (message != core::MappingMessage::None) {
    showMessage(mappingMessageText(message));
    return;
  }
  learnPair(mapping_.pairs().back());
  // The new pair is selected and shown, or in a long list nothing would seem to happen.
  mapping_.selectEntry(mapping_.pairs().size() - 1);
  showMapping();
}

void frmMain::cmdRemove_Click() {
  const core::MappingMessage message = mapping_.removeMapping();
  if (message != core::MappingMessage::None) {
    showMessage(mappingMessageText(message));
    return;
  }
  showMapping();
}

void frmMain::cmdMatchByName_Click() {
  core::HeaderContext context;
  context.learned = learnedPairs();
  // Google's Type columns are read from the rows the preview grid holds.
  context.columnValues = core::columnValuesOf(selectPage_->preview());
  const core::NameMatch match = core::matchByName(mapping_, context);
  showMapping();
  // Whole sentences for one column and for several, so each language can word both.
  const QString matched = match.offered == 1 ? tr("%1 of %2 column matched by name")
                                             : tr("%1 of %2 columns matched by name");
  showStatusMessage(matched.arg(match.paired).arg(match.offered));
}

void frmMain::showMapping() {
  mapPage_->show(mapping_);
}

}  // namespace quillmere::ui
