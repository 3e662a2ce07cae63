#pragma once
// The priced lines of the job as a table view's model: the texts come
// formatted from the job; the model only hands them out.
#include <QAbstractTableModel>

#include <vector>

#include "bill/job/JobTable.h"

namespace korvane {

class TJobTableModel : public QAbstractTableModel {
  Q_OBJECT
public:
  using QAbstractTableModel::QAbstractTableModel;

  // The rows to show; they must stay alive until the next call.
  void SetRows(const std::vector<TJobRow> *rows);
  // The bill line of a row, 0 for none.
  int BillLine(int row) const;

  int rowCount(const QModelIndex &parent = QModelIndex()) const override;
  int columnCount(const QModelIndex &parent = QModelIndex()) const override;
  QVariant data(const QModelIndex &index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
  const std::vector<TJobRow> *rows_ = nullptr;
};

} // namespace korvane
