#include "ui/MappingEntryDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <algorithm>

namespace quillmere::ui {

MappingEntryDelegate::Columns MappingEntryDelegate::columnsFor(int widestHeader, int arrowWidth,
                                                               int rowWidth, int gap) {
  const int cap = std::max(0, rowWidth * 45 / 100);
  Columns columns;
  columns.arrowX = std::min(widestHeader, cap) + gap;
  columns.fieldX = columns.arrowX + arrowWidth + gap;
  return columns;
}

void MappingEntryDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
  const QString field = index.data(kFieldRole).toString();
  if (field.isEmpty()) {
    QStyledItemDelegate::paint(painter, option, index);
    return;
  }
  const QString header = index.data(kHeaderRole).toString();
  const QString arrow = QStringLiteral("->");
  // The row's background, selection and focus as the style draws them, without its text.
  QStyleOptionViewItem item = option;
  initStyleOption(&item, index);
  const QWidget* widget = option.widget;
  QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
  // The text's place with its margins, as the style would have put the whole entry.
  const QRect text =
      style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget)
          .adjusted(style->pixelMetric(QStyle::PM_FocusFrameHMargin, &item, widget) + 1, 0, 0, 0);
  item.text.clear();
  style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

  const QFontMetrics metrics(item.font);
  const int gap = metrics.horizontalAdvance(QLatin1Char(' ')) * 3;
  const Columns columns =
      columnsFor(widestHeader_, metrics.horizontalAdvance(arrow), text.width(), gap);

  painter->save();
  painter->setFont(item.font);
  const bool selected = option.state.testFlag(QStyle::State_Selected);
  const QPalette::ColorGroup group =
      option.state.testFlag(QStyle::State_Enabled) ? QPalette::Normal : QPalette::Disabled;
  painter->setPen(
      option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
  const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
  const QRect headerPlace(text.left(), text.top(), columns.arrowX - gap / 2, text.height());
  painter->drawText(headerPlace, flags,
                    metrics.elidedText(header, Qt::ElideRight, headerPlace.width()));
  painter->drawText(text.adjusted(columns.arrowX, 0, 0, 0), flags, arrow);
  const QRect fieldPlace = text.adjusted(columns.fieldX, 0, 0, 0);
  painter->drawText(fieldPlace, flags,
                    metrics.elidedText(field, Qt::ElideRight, fieldPlace.width()));
  painter->restore();
}

}  // namespace quillmere::ui
