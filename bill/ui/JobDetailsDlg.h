#pragma once
// Job Details...: the customer, the job and the quote's terms, one field
// each, as the bill keeps them in its "; Field: value" lines. OK reads every
// value as a quote would and stays open, saying which and why, while one
// does not read.
#include <QDialog>

#include <vector>

#include "bill/job/JobDetails.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace korvane {

class TJobDetailsDlg : public QDialog {
  Q_OBJECT
public:
  TJobDetailsDlg(const std::vector<TDetailText> &details, QWidget *parent = nullptr);

  // The field's editor: a QLineEdit, or a QPlainTextEdit for the customer's
  // address (one line each).
  QWidget *Field(std::string_view field) const;
  // What the fields say, in the order the bill is best written in; the
  // address one entry a line.
  std::vector<TDetailText> Details() const;
  // The reason the last OK was refused; empty when none.
  QString Problem() const;

  void accept() override;

private:
  std::vector<QWidget *> editors_; // one per JobDetailFields() entry
  QPlainTextEdit *address_ = nullptr;
  QLabel *problem_ = nullptr;
};

} // namespace korvane
