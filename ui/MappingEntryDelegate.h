#pragma once

#include <QStyledItemDelegate>

namespace quillmere::ui {

// Draws a mapping entry ("header", tab, "->", tab, "field") in three aligned columns, so the
// arrows and field names line up whatever the headers' widths; the item's text stays the
// entry itself for copying and assistive technology. A header wider than its column is
// elided; the item's tooltip holds it whole.
class MappingEntryDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
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
