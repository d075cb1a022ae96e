#pragma once

#include <QCoreApplication>

class QCheckBox;
class QComboBox;
class QListWidget;
class QPushButton;
class QShortcut;

namespace quillmere::core {
class ColumnMapping;
}

namespace quillmere::ui {

class MappingEntryDelegate;
class TabPage;

// Step 2: the header and field pick lists, Add, Remove, Match by Name and the list of pairs
// made. It keeps the controls the window's handlers work with; Qt owns them all.
class MapPage {
  Q_DECLARE_TR_FUNCTIONS(MapPage)

 public:
  explicit MapPage(TabPage& page);

  // Shows the mapping as it is now: both pick lists with their choices, the pairs with the
  // selected one, and which controls may be used. The controls signal nothing meanwhile.
  void show(const core::ColumnMapping& mapping);
  bool moreFieldsOffered() const;

  QComboBox* cmbHeader = nullptr;
  QComboBox* cmbOutlook = nullptr;
  QPushButton* cmdAddMapping = nullptr;
  QPushButton* cmdRemove = nullptr;
  QPushButton* cmdMatchByName = nullptr;
  // Offers the More Fields in the field list.
  QCheckBox* chkMoreFields = nullptr;
  QListWidget* mappedList = nullptr;
  // Delete while the list has the focus.
  QShortcut* deleteKey = nullptr;

 private:
  MappingEntryDelegate* mappedEntries_ = nullptr;
};

}  // namespace quillmere::ui
