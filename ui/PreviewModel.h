#pragma once

#include <QAbstractTableModel>

#include "source/load/SheetPreview.h"

namespace quillmere::ui {

// The preview grid's cells, read straight from the loaded preview: the sheet's header row
// is the grid's fixed top row (the horizontal header, whose tooltips name the columns), and
// its data rows are the cells. The
// grid reaches as far as the sheet does, so nothing is built for cells that hold nothing.
class PreviewModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  using QAbstractTableModel::QAbstractTableModel;

  void setPreview(source::SheetPreview preview);
  const source::SheetPreview& preview() const { return preview_; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  QString text(std::size_t row, std::size_t column) const;

  source::SheetPreview preview_;
};

}  // namespace quillmere::ui
