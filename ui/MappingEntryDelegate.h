#pragma once

#include <QStyledItemDelegate>

namespace quillmere::ui {

// Draws a mapping entry as its header, an arrow and its field in three aligned columns, so
// the arrows and field names line up whatever the headers' widths. It draws from the item's
// header and field roles; the item's text stays the entry itself for copying and assistive
// technology. A header wider than its column is elided; the item's tooltip holds it whole.
class MappingEntryDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  // The item data an entry is drawn from; an item without a field is drawn as plain text.
  static constexpr int kHeaderRole = Qt::UserRole;
  static constexpr int kFieldRole = Qt::UserRole + 1;

  using QStyledItemDelegate::QStyledItemDelegate;

  // Where the arrow and the field begin, from the left of the entry's text.
  struct Columns {
    int arrowX = 0;
    int fieldX = 0;
  };
  // The header column is as wide as the widest header, but at most 45% of the row, so a
  // long header cannot push the fields out of sight.
  static Columns columnsFor(int widestHeader, int arrowWidth, int rowWidth, int gap);

  void setWidestHeader(int pixels) { widestHeader_ = pixels; }

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

 private:
  int widestHeader_ = 0;
};

}  // namespace quillmere::ui
