#include "ui/MapPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <algorithm>

#include "core/ColumnMapping.h"
#include "core/Destination.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/MappingEntryDelegate.h"
#include "ui/QtText.h"
#include "ui/SeparatorLine.h"
#include "ui/TabPage.h"
#include "ui/Twips.h"

namespace quillmere::ui {

using controls::button;
using controls::dropDownList;
using controls::label;

MapPage::MapPage(TabPage& page) {
  const QFont bold = Fonts::tahoma(true);
  page.place(label("Label2", tr("Excel Fields"), bold), twipsRect(120, 600, 1695, 255));

  cmbHeader = dropDownList("cmbHeader", tr("Excel Fields"));
  page.place(cmbHeader, twipsRect(120, 840, 2415, 315));

  page.place(label("Label5", tr("vCard Fields"), bold), twipsRect(6480, 600, 1815, 255));

  cmbOutlook = dropDownList("cmbOutlook", tr("vCard Fields"));
  page.place(cmbOutlook, twipsRect(6480, 840, 2775, 315));

  cmdAddMapping = button("cmdAddMapping", tr("A&dd"), tr("Add"), Fonts::tahoma());
  page.place(cmdAddMapping, twipsRect(7800, 1320, 1455, 375));

  cmdRemove = button("cmdRemove", tr("Remove"), tr("Remove"), Fonts::tahoma());
  page.place(cmdRemove, twipsRect(7800, 1800, 1455, 375));

  // Under the header list it works on, in the free space left of Add.
  cmdMatchByName =
      button("cmdMatchByName", tr("&Match by Name"), tr("Match by Name"), Fonts::tahoma());
  cmdMatchByName->setToolTip(
      tr("Pairs every column whose header names a vCard field with that field. "
         "Pairs you have made stay as they are."));
  cmdMatchByName->setEnabled(false);
  page.place(cmdMatchByName, twipsRect(120, 1320, 2100, 375));

  // Left of Add, under the field list it adds to.
  chkMoreFields = controls::named(new QCheckBox(tr("More &Fields")), "chkMoreFields",
                                  tr("More Fields"), Fonts::tahoma());
  chkMoreFields->setToolTip(
      tr("Offers Birthday, Anniversary, Nickname, Categories, OtherTelephoneNumber, "
         "PagerNumber, PersonalHomePage and Photo after the other fields."));
  page.place(chkMoreFields, twipsRect(5880, 1320, 1860, 375));

  page.place(label("Label9", tr("Selected Fileds ( Excel --> vCard )"), bold,
                   tr("Selected Fields, Excel to vCard")),
             twipsRect(120, 2040, 4935, 255));
  page.place(controls::line("Line2"), QRect(twips(120), twips(2280), twips(9240 - 120), 1));

  mappedList = controls::named(new QListWidget, "mappedList", tr("Selected Fields, Excel to vCard"),
                               Fonts::verdana());
  controls::currentItemOnlyWhileShown(mappedList);
  mappedEntries_ = new MappingEntryDelegate(mappedList);
  mappedList->setItemDelegate(mappedEntries_);
  page.place(mappedList, twipsRect(120, 2400, 9135, 1980));
  deleteKey = new QShortcut(QKeySequence::Delete, mappedList);
  deleteKey->setContext(Qt::WidgetShortcut);
}

void MapPage::show(const core::ColumnMapping& mapping) {
  const QSignalBlocker blockHeaders(cmbHeader);
  const QSignalBlocker blockFields(cmbOutlook);
  const QSignalBlocker blockEntries(mappedList);
  const QSignalBlocker blockMoreFields(chkMoreFields);
  chkMoreFields->setChecked(mapping.moreFieldsOffered());

  cmbHeader->clear();
  for (const core::HeaderColumn& header : mapping.headerList()) {
    // Two columns may be headed alike; the column tells their items apart.
    const QString column = columnName(header.column);
    cmbHeader->addItem(fromUtf8(header.text));
    cmbHeader->setItemData(cmbHeader->count() - 1, column, Qt::ToolTipRole);
    cmbHeader->setItemData(cmbHeader->count() - 1, column, Qt::AccessibleDescriptionRole);
  }
  cmbHeader->setCurrentIndex(mapping.headerChoice() ? static_cast<int>(*mapping.headerChoice())
                                                    : -1);

  cmbOutlook->clear();
  const QString onlyForADestination =
      tr("Written only when step 3's \"Import into\" names where the cards go; \"Any app\" "
         "leaves it out.");
  for (const core::Field field : mapping.fieldList()) {
    cmbOutlook->addItem(fromLatin(core::fieldName(field)));
    if (core::writtenOnlyForADestination(field)) {
      cmbOutlook->setItemData(cmbOutlook->count() - 1, onlyForADestination, Qt::ToolTipRole);
      cmbOutlook->setItemData(cmbOutlook->count() - 1, onlyForADestination,
                              Qt::AccessibleDescriptionRole);
    }
  }
  cmbOutlook->setCurrentIndex(mapping.fieldChoice() ? static_cast<int>(*mapping.fieldChoice())
                                                    : -1);

  mappedList->clear();
  const QFontMetrics metrics(mappedList->font());
  int widestHeader = 0;
  for (const core::ColumnPair& pair : mapping.pairs()) {
    auto* item = new QListWidgetItem(fromUtf8(core::ColumnMapping::entryText(pair)), mappedList);
    const QString header = fromUtf8(pair.header.text);
    item->setData(MappingEntryDelegate::kHeaderRole, header);
    item->setData(MappingEntryDelegate::kFieldRole, fromLatin(core::fieldName(pair.field)));
    // Heard as words: the entry's tabs and arrow are only read out as symbols.
    item->setData(Qt::AccessibleTextRole,
                  tr("%1 to %2").arg(header, fromLatin(core::fieldName(pair.field))));
    item->setToolTip(core::writtenOnlyForADestination(pair.field)
                         ? header + QStringLiteral("\n") + onlyForADestination
                         : header);
    widestHeader = std::max(widestHeader, metrics.horizontalAdvance(header));
  }
  mappedEntries_->setWidestHeader(widestHeader);
  if (mapping.selectedEntry()) {
    mappedList->setCurrentRow(static_cast<int>(*mapping.selectedEntry()));
  }

  const bool enabled = mapping.listsEnabled();
  cmbHeader->setEnabled(enabled);
  cmbOutlook->setEnabled(enabled);
  cmdAddMapping->setEnabled(enabled);
  cmdMatchByName->setEnabled(enabled && !mapping.headerList().empty());
}

bool MapPage::moreFieldsOffered() const {
  return chkMoreFields->isChecked();
}

}  // namespace quillmere::ui
