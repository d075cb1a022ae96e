#include "ui/PreviewModel.h"

#include <utility>

#include "ui/QtText.h"

namespace quillmere::ui {

void PreviewModel::setPreview(source::SheetPreview preview) {
  beginResetModel();
  preview_ = std::move(preview);
  endResetModel();
}

int PreviewModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid() || preview_.rowCount() == 0) return 0;
  return static_cast<int>(preview_.rowCount() - 1);
}

int PreviewModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(preview_.columnCount());
}

QVariant PreviewModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) return {};
  return text(static_cast<std::size_t>(index.row()) + 1, static_cast<std::size_t>(index.column()));
}

QVariant PreviewModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (section < 0) return {};
  if (orientation == Qt::Horizontal && role == Qt::ToolTipRole) {
    return columnName(static_cast<std::uint32_t>(section));
  }
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Horizontal) return text(0, static_cast<std::size_t>(section));
  return QString::number(section + 1);
}

QString PreviewModel::text(std::size_t row, std::size_t column) const {
  return fromUtf8(preview_.cell(row, column));
}

}  // namespace quillmere::ui
