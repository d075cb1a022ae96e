#include "ui/PreviewModel.h"

#include <utility>

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
  if (role != Qt::DisplayRole || section < 0) return {};
  if (orientation == Qt::Horizontal) return text(0, static_cast<std::size_t>(section));
  return QString::number(section + 1);
}

QString PreviewModel::text(std::size_t row, std::size_t column) const {
  const std::string_view cell = preview_.cell(row, column);
  return QString::fromUtf8(cell.data(), static_cast<qsizetype>(cell.size()));
}

}  // namespace quillmere::ui
