#include "bill/ui/JobTableModel.h"

#include <QFont>

namespace korvane {

void TJobTableModel::SetRows(const std::vector<TJobRow> *rows) {
  beginResetModel();
  rows_ = rows;
  endResetModel();
}

int TJobTableModel::BillLine(int row) const {
  if (!rows_ || row < 0 || row >= rowCount())
    return 0;
  return (*rows_)[static_cast<std::size_t>(row)].Line;
}

int TJobTableModel::rowCount(const QModelIndex &parent) const {
  return parent.isValid() || !rows_ ? 0 : static_cast<int>(rows_->size());
}

int TJobTableModel::columnCount(const QModelIndex &parent) const {
  return parent.isValid() ? 0 : kJobColumnCount;
}

QVariant TJobTableModel::data(const QModelIndex &index, int role) const {
  if (!index.isValid() || index.row() >= rowCount())
    return {};
  const auto column = static_cast<TJobColumn>(index.column());
  if (role == Qt::TextAlignmentRole)
    return QVariant::fromValue(Qt::AlignVCenter |
                               (JobColumnIsNumber(column) ? Qt::AlignRight : Qt::AlignLeft));
  const TJobRow &row = (*rows_)[static_cast<std::size_t>(index.row())];
  // Titles, subtotals and totals stand out from the lines, as on the quote.
  if (role == Qt::FontRole && row.Kind != TJobRowKind::Item) {
    QFont font;
    font.setBold(true);
    return font;
  }
  if (role != Qt::DisplayRole)
    return {};
  return QString::fromStdString(row.Cell(column));
}

QVariant TJobTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
      section >= kJobColumnCount)
    return QAbstractTableModel::headerData(section, orientation, role);
  return QString::fromStdString(std::string(JobColumnTitle(static_cast<TJobColumn>(section))));
}

} // namespace korvane
