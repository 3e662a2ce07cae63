#include "bill/ui/JobDetailsDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace korvane {

namespace {

constexpr std::string_view kAddress = "Customer address";

// What a field takes, shown while it is empty.
QString Example(std::string_view field) {
  if (field == "Date")
    return QStringLiteral("YYYY-MM-DD; empty: the day the quote is made");
  if (field == "Valid for")
    return QStringLiteral("such as 30 days; empty: the company's");
  if (field == "Discount")
    return QStringLiteral("such as 5%");
  if (field == "VAT")
    return QStringLiteral("such as 15%; empty: the company's");
  if (field == "Reference")
    return QStringLiteral("the drawings, such as M-201 rev C");
  return {};
}

QString ToQ(std::string_view text) {
  return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

TJobDetailsDlg::TJobDetailsDlg(const std::vector<TDetailText> &details, QWidget *parent)
    : QDialog(parent) {
  setWindowTitle(tr("Job Details"));
  auto *form = new QFormLayout;
  for (const std::string_view field : JobDetailFields()) {
    QString value;
    for (const TDetailText &d : details)
      if (d.Field == field)
        value += (value.isEmpty() || field != kAddress ? QString() : QStringLiteral("\n")) +
                 QString::fromStdString(d.Value);
    QWidget *editor = nullptr;
    if (field == kAddress) {
      address_ = new QPlainTextEdit(value, this);
      address_->setTabChangesFocus(true);
      address_->setFixedHeight(address_->fontMetrics().lineSpacing() * 4 + 12);
      editor = address_;
    } else {
      auto *line = new QLineEdit(value, this);
      line->setPlaceholderText(Example(field));
      line->setMinimumWidth(line->fontMetrics().averageCharWidth() * 40);
      editor = line;
    }
    form->addRow(ToQ(field) + ':', editor);
    editors_.push_back(editor);
  }
  problem_ = new QLabel(this);
  problem_->setWordWrap(true);
  problem_->setStyleSheet(QStringLiteral("color: #b00020"));
  problem_->hide();
  auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &TJobDetailsDlg::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto *layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(problem_);
  layout->addWidget(buttons);
}

QWidget *TJobDetailsDlg::Field(std::string_view field) const {
  const auto fields = JobDetailFields();
  for (std::size_t i = 0; i < fields.size(); ++i)
    if (fields[i] == field)
      return editors_[i];
  return nullptr;
}

std::vector<TDetailText> TJobDetailsDlg::Details() const {
  std::vector<TDetailText> details;
  const auto fields = JobDetailFields();
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (editors_[i] == address_) {
      for (const QString &line : address_->toPlainText().split(QLatin1Char('\n')))
        if (!line.trimmed().isEmpty())
          details.push_back({fields[i], line.trimmed().toStdString()});
    } else {
      const QString value = static_cast<QLineEdit *>(editors_[i])->text().trimmed();
      if (!value.isEmpty())
        details.push_back({fields[i], value.toStdString()});
    }
  }
  return details;
}

QString TJobDetailsDlg::Problem() const {
  return problem_->isHidden() ? QString() : problem_->text();
}

void TJobDetailsDlg::accept() {
  // Read as the bill will read them, in one go, so that "given twice" and
  // bad values show here and not as a red line later.
  TJobDetails read;
  for (const TDetailText &d : Details()) {
    std::string reason;
    const std::string line = "; " + std::string(d.Field) + ": " + d.Value;
    if (ReadJobDetailLine(line, read, reason) == TDetailLine::Bad) {
      problem_->setText(QString::fromStdString(reason));
      problem_->show();
      if (QWidget *editor = Field(d.Field))
        editor->setFocus(Qt::OtherFocusReason);
      return;
    }
  }
  problem_->hide();
  QDialog::accept();
}

} // namespace korvane
