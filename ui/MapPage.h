#pragma once

#include <QCoreApplication>
#include <cstddef>
#include <functional>
#include <optional>

#include "ui/FocusOrder.h"

class QCheckBox;
class QComboBox;
class QListWidget;
class QObject;
class QPushButton;
class QShortcut;

namespace quillmere::core {
class ColumnMapping;
}

namespace quillmere::ui {

class MappingEntryDelegate;
class TabPage;

// Step 2: the header and field pick lists, Add, Remove, Match by Name and the list of pairs
// made. It shows the mapping and tells the window and the step when the user acts on its
// controls; Qt owns them all.
class MapPage {
  Q_DECLARE_TR_FUNCTIONS(MapPage)

 public:
  explicit MapPage(TabPage& page);

  // Shows the mapping as it is now: both pick lists with their choices, the pairs with the
  // selected one, and which controls may be used. The controls signal nothing meanwhile.
  void show(const core::ColumnMapping& mapping);
  bool moreFieldsOffered() const;

  // Each runs its handler, on `receiver` while it lives, when the user acts.
  void onAdd(QObject& receiver, std::function<void()> handler);
  void onRemove(QObject& receiver, std::function<void()> handler);
  void onMatchByName(QObject& receiver, std::function<void()> handler);
  // Delete while the list of pairs has the focus.
  void onDelete(QObject& receiver, std::function<void()> handler);
  // A header, a field or a pair chosen, by its place in its list; none when none is.
  void onHeaderChosen(QObject& receiver, std::function<void(std::optional<std::size_t>)> handler);
  void onFieldChosen(QObject& receiver, std::function<void(std::optional<std::size_t>)> handler);
  void onEntrySelected(QObject& receiver, std::function<void(std::optional<std::size_t>)> handler);
  void onMoreFieldsToggled(QObject& receiver, std::function<void(bool)> handler);
  FocusOrder focusOrder() const;

 private:
  QComboBox* cmbHeader_ = nullptr;
  QComboBox* cmbOutlook_ = nullptr;
  QPushButton* cmdAddMapping_ = nullptr;
  QPushButton* cmdRemove_ = nullptr;
  QPushButton* cmdMatchByName_ = nullptr;
  // Offers the More Fields in the field list.
  QCheckBox* chkMoreFields_ = nullptr;
  QListWidget* mappedList_ = nullptr;
  // Delete while the list has the focus.
  QShortcut* deleteKey_ = nullptr;
  MappingEntryDelegate* mappedEntries_ = nullptr;
};

}  // namespace quillmere::ui
