#include "ui/MapStep.h"

#include <QSettings>
#include <map>
#include <optional>
#include <string>

#include "core/HeaderNames.h"
#include "ui/MapPage.h"
#include "ui/QtText.h"

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
      return MapStep::tr("Please Select the Outlook Field.");
    case core::MappingMessage::SelectExcelField:
      return MapStep::tr("Please Select the Excel Field.");
    case core::MappingMessage::SelectAddedItem:
      return MapStep::tr("Select the item from the added fields.");
    case core::MappingMessage::None:
      break;
  }
  return QString();
}

}  // namespace

MapStep::MapStep(MapPage& page, QObject& receiver) : page_(page) {
  page.onHeaderChosen(receiver,
                      [this](std::optional<std::size_t> header) { mapping_.chooseHeader(header); });
  page.onFieldChosen(receiver,
                     [this](std::optional<std::size_t> field) { mapping_.chooseField(field); });
  page.onEntrySelected(receiver,
                       [this](std::optional<std::size_t> entry) { mapping_.selectEntry(entry); });
  page.onMoreFieldsToggled(receiver, [this](bool offered) {
    mapping_.offerMoreFields(offered);
    show();
  });
}

void MapStep::fillLists(const std::vector<source::HeaderColumn>& headers) {
  mapping_.fillLists(headers);
  show();
}

void MapStep::clearPairs() {
  mapping_.clearMapping();
  show();
}

void MapStep::reset() {
  mapping_ = core::ColumnMapping();
  show();
}

QString MapStep::add() {
  const core::MappingMessage message = mapping_.addMapping();
  if (message != core::MappingMessage::None) return mappingMessageText(message);
  learnPair(mapping_.pairs().back());
  // The new pair is selected and shown, or in a long list nothing would seem to happen.
  mapping_.selectEntry(mapping_.pairs().size() - 1);
  show();
  return QString();
}

QString MapStep::remove() {
  const core::MappingMessage message = mapping_.removeMapping();
  if (message != core::MappingMessage::None) return mappingMessageText(message);
  show();
  return QString();
}

QString MapStep::matchByName(const source::SheetPreview& preview) {
  core::HeaderContext context;
  context.learned = learnedPairs();
  context.columnValues = core::columnValuesOf(preview);
  const core::NameMatch match = core::matchByName(mapping_, context);
  show();
  // Whole sentences for one column and for several, so each language can word both.
  const QString matched = match.offered == 1 ? tr("%1 of %2 column matched by name")
                                             : tr("%1 of %2 columns matched by name");
  return matched.arg(match.paired).arg(match.offered);
}

void MapStep::show() {
  page_.show(mapping_);
}

}  // namespace quillmere::ui
