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
#include <utility>

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

namespace {

std::optional<std::size_t> chosen(int index) {
  return index < 0 ? std::nullopt : std::optional<std::size_t>(index);
}

}  // namespace

MapPage::MapPage(TabPage& page) {
  const QFont bold = Fonts::tahoma(true);
  page.place(label("Label2", tr("Excel Fields"), bold), twipsRect(120, 600, 1695, 255));

  cmbHeader_ = dropDownList("cmbHeader", tr("Excel Fields"));
  page.place(cmbHeader_, twipsRect(120, 840, 2415, 315));

  page.place(label("Label5", tr("vCard Fields"), bold), twipsRect(6480, 600, 1815, 255));

  cmbOutlook_ = dropDownList("cmbOutlook", tr("vCard Fields"));
  page.place(cmbOutlook_, twipsRect(6480, 840, 2775, 315));

  cmdAddMapping_ = button("cmdAddMapping", tr("A&dd"), tr("Add"), Fonts::tahoma());
  page.place(cmdAddMapping_, twipsRect(7800, 1320, 1455, 375));

  cmdRemove_ = button("cmdRemove", tr("Remove"), tr("Remove"), Fonts::tahoma());
  page.place(cmdRemove_, twipsRect(7800, 1800, 1455, 375));

  // Under the header list it works on, in the free space left of Add.
  cmdMatchByName_ =
      button("cmdMatchByName", tr("&Match by Name"), tr("Match by Name"), Fonts::tahoma());
  cmdMatchByName_->setToolTip(
      tr("Pairs every column whose header names a vCard field with that field. "
         "Pairs you have made stay as they are."));
  cmdMatchByName_->setEnabled(false);
  page.place(cmdMatchByName_, twipsRect(120, 1320, 2100, 375));

  // Left of Add, under the field list it adds to.
  chkMoreFields_ = controls::named(new QCheckBox(tr("More &Fields")), "chkMoreFields",
                                   tr("More Fields"), Fonts::tahoma());
  chkMoreFields_->setToolTip(
      tr("Offers Birthday, Anniversary, Nickname, Categories, OtherTelephoneNumber, "
         "PagerNumber, PersonalHomePage and Photo after the other fields."));
  page.place(chkMoreFields_, twipsRect(5880, 1320, 1860, 375));

  page.place(label("Label9", tr("Selected Fileds ( Excel --> vCard )"), bold,
                   tr("Selected Fields, Excel to vCard")),
             twipsRect(120, 2040, 4935, 255));
  page.place(controls::line("Line2"), QRect(twips(120), twips(2280), twips(9240 - 120), 1));

  mappedList_ = controls::named(new QListWidget, "mappedList",
                                tr("Selected Fields, Excel to vCard"), Fonts::verdana());
  controls::currentItemOnlyWhileShown(mappedList_);
  mappedEntries_ = new MappingEntryDelegate(mappedList_);
  mappedList_->setItemDelegate(mappedEntries_);
  page.place(mappedList_, twipsRect(120, 2400, 9135, 1980));
  deleteKey_ = new QShortcut(QKeySequence::Delete, mappedList_);
  deleteKey_->setContext(Qt::WidgetShortcut);
}

void MapPage::show(const core::ColumnMapping& mapping) {
  const QSignalBlocker blockHeaders(cmbHeader_);
  const QSignalBlocker blockFields(cmbOutlook_);
  const QSignalBlocker blockEntries(mappedList_);
  const QSignalBlocker blockMoreFields(chkMoreFields_);
  chkMoreFields_->setChecked(mapping.moreFieldsOffered());

  cmbHeader_->clear();
  for (const core::HeaderColumn& header : mapping.headerList()) {
    // Two columns may be headed alike; the column tells their items apart.
    const QString column = columnName(header.column);
    cmbHeader_->addItem(fromUtf8(header.text));
    cmbHeader_->setItemData(cmbHeader_->count() - 1, column, Qt::ToolTipRole);
    cmbHeader_->setItemData(cmbHeader_->count() - 1, column, Qt::AccessibleDescriptionRole);
  }
  cmbHeader_->setCurrentIndex(mapping.headerChoice() ? static_cast<int>(*mapping.headerChoice())
                                                     : -1);

  cmbOutlook_->clear();
  const QString onlyForADestination =
      tr("Written only when step 3's \"Import into\" names where the cards go; \"Any app\" "
         "leaves it out.");
  for (const core::Field field : mapping.fieldList()) {
    cmbOutlook_->addItem(fromLatin(core::fieldName(field)));
    if (core::writtenOnlyForADestination(field)) {
      cmbOutlook_->setItemData(cmbOutlook_->count() - 1, onlyForADestination, Qt::ToolTipRole);
      cmbOutlook_->setItemData(cmbOutlook_->count() - 1, onlyForADestination,
                               Qt::AccessibleDescriptionRole);
    }
  }
  cmbOutlook_->setCurrentIndex(mapping.fieldChoice() ? static_cast<int>(*mapping.fieldChoice())
                                                     : -1);

  mappedList_->clear();
  const QFontMetrics metrics(mappedList_->font());
  int widestHeader = 0;
  for (const core::ColumnPair& pair : mapping.pairs()) {
    auto* item = new QListWidgetItem(fromUtf8(core::ColumnMapping::entryText(pair)), mappedList_);
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
    mappedList_->setCurrentRow(static_cast<int>(*mapping.selectedEntry()));
  }

  const bool enabled = mapping.listsEnabled();
  cmbHeader_->setEnabled(enabled);
  cmbOutlook_->setEnabled(enabled);
  cmdAddMapping_->setEnabled(enabled);
  cmdMatchByName_->setEnabled(enabled && !mapping.headerList().empty());
}

bool MapPage::moreFieldsOffered() const {
  return chkMoreFields_->isChecked();
}

void MapPage::onAdd(QObject& receiver, std::function<void()> handler) {
  QObject::connect(cmdAddMapping_, &QPushButton::clicked, &receiver, std::move(handler));
}

void MapPage::onRemove(QObject& receiver, std::function<void()> handler) {
  QObject::connect(cmdRemove_, &QPushButton::clicked, &receiver, std::move(handler));
}

void MapPage::onMatchByName(QObject& receiver, std::function<void()> handler) {
  QObject::connect(cmdMatchByName_, &QPushButton::clicked, &receiver, std::move(handler));
}

void MapPage::onDelete(QObject& receiver, std::function<void()> handler) {
  QObject::connect(deleteKey_, &QShortcut::activated, &receiver, std::move(handler));
}

void MapPage::onHeaderChosen(QObject& receiver,
                             std::function<void(std::optional<std::size_t>)> handler) {
  QObject::connect(cmbHeader_, &QComboBox::currentIndexChanged, &receiver,
                   [handler = std::move(handler)](int index) { handler(chosen(index)); });
}

void MapPage::onFieldChosen(QObject& receiver,
                            std::function<void(std::optional<std::size_t>)> handler) {
  QObject::connect(cmbOutlook_, &QComboBox::currentIndexChanged, &receiver,
                   [handler = std::move(handler)](int index) { handler(chosen(index)); });
}

void MapPage::onEntrySelected(QObject& receiver,
                              std::function<void(std::optional<std::size_t>)> handler) {
  QObject::connect(mappedList_, &QListWidget::itemSelectionChanged, &receiver,
                   [this, handler = std::move(handler)] {
                     const QModelIndexList selected = mappedList_->selectionModel()->selectedRows();
                     handler(selected.isEmpty() ? std::nullopt : chosen(selected.front().row()));
                   });
}

void MapPage::onMoreFieldsToggled(QObject& receiver, std::function<void(bool)> handler) {
  QObject::connect(chkMoreFields_, &QCheckBox::toggled, &receiver, std::move(handler));
}

FocusOrder MapPage::focusOrder() const {
  return {{cmbHeader_, cmbOutlook_, cmdAddMapping_, mappedList_},
          {cmdRemove_, cmdMatchByName_, chkMoreFields_}};
}

}  // namespace quillmere::ui
