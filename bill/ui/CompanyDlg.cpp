#include "bill/ui/CompanyDlg.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>

#include "bill/job/JobDetails.h"
#include "desktop/DesktopDialogs.h"

namespace korvane {

namespace {

QString Lines(const std::vector<std::string> &lines) {
  QStringList joined;
  for (const std::string &line : lines)
    joined << QString::fromStdString(line);
  return joined.join(QLatin1Char('\n'));
}

std::vector<std::string> LinesOf(const QPlainTextEdit *edit) {
  std::vector<std::string> lines;
  for (const QString &line : edit->toPlainText().split(QLatin1Char('\n')))
    if (!line.trimmed().isEmpty())
      lines.push_back(line.trimmed().toStdString());
  return lines;
}

QPlainTextEdit *TextBox(const std::vector<std::string> &lines, int rows, QWidget *parent) {
  auto *edit = new QPlainTextEdit(Lines(lines), parent);
  edit->setTabChangesFocus(true);
  edit->setFixedHeight(edit->fontMetrics().lineSpacing() * rows + 12);
  return edit;
}

} // namespace

TCompanyDlg::TCompanyDlg(const TCompanyProfile &profile, TDesktopDialogs &dialogs, QWidget *parent)
    : QDialog(parent), profile_(profile), dialogs_(dialogs) {
  setWindowTitle(tr("Company"));
  const auto line = [this](const std::string &text) {
    auto *edit = new QLineEdit(QString::fromStdString(text), this);
    edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 44);
    return edit;
  };
  name_ = line(profile.Name);
  address_ = TextBox(profile.Address, 3, this);
  phone_ = line(profile.Phone);
  email_ = line(profile.Email);
  web_ = line(profile.Web);
  taxNumber_ = line(profile.TaxNumber);
  logo_ = line(profile.Logo);
  currency_ = line(profile.Currency);
  currency_->setPlaceholderText(tr("the cost file's"));
  validity_ = new QSpinBox(this);
  validity_->setRange(0, kMaxValidDays);
  validity_->setSuffix(tr(" days"));
  validity_->setValue(profile.ValidityDays);
  vat_ = new QDoubleSpinBox(this);
  vat_->setRange(0, 100);
  vat_->setDecimals(2);
  vat_->setSuffix(QStringLiteral(" %"));
  vat_->setValue(profile.VatPercent / 100.0);
  terms_ = TextBox(profile.Terms, 4, this);
  terms_->setPlaceholderText(tr("One paragraph a line"));
  nextNumber_ = new QSpinBox(this);
  nextNumber_->setRange(1, 999999999);
  nextNumber_->setValue(profile.NextQuoteNumber);
  pattern_ = line(profile.QuotePattern);
  pattern_->setPlaceholderText(QStringLiteral("Q-####"));
  pattern_->setToolTip(tr("The run of # is the number, padded with zeros to its length"));

  auto *browse = new QPushButton(tr("&Browse..."), this);
  connect(browse, &QPushButton::clicked, this, &TCompanyDlg::BrowseLogo);
  // Tab goes from the logo's name to its button, then on down the form.
  setTabOrder(logo_, browse);
  setTabOrder(browse, currency_);
  auto *logoRow = new QHBoxLayout;
  logoRow->addWidget(logo_);
  logoRow->addWidget(browse);

  auto *form = new QFormLayout;
  form->addRow(tr("&Name:"), name_);
  form->addRow(tr("&Address:"), address_);
  form->addRow(tr("P&hone:"), phone_);
  form->addRow(tr("&E-mail:"), email_);
  form->addRow(tr("&Web:"), web_);
  form->addRow(tr("Ta&x number:"), taxNumber_);
  // A row of two widgets takes a label of its own for its shortcut.
  auto *logoLabel = new QLabel(tr("&Logo:"), this);
  logoLabel->setBuddy(logo_);
  form->addRow(logoLabel, logoRow);
  form->addRow(tr("&Currency symbol:"), currency_);
  form->addRow(tr("&Valid for:"), validity_);
  form->addRow(tr("VAT &rate:"), vat_);
  form->addRow(tr("&Terms:"), terms_);
  form->addRow(tr("Next &quote number:"), nextNumber_);
  form->addRow(tr("Quote number &pattern:"), pattern_);
  auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto *layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
}

void TCompanyDlg::BrowseLogo() {
  const QString file = dialogs_.OpenFileName(
      this, {tr("Logo"), tr("Images (*.png *.jpg *.jpeg *.svg *.gif)"), {}, logo_->text()});
  if (!file.isEmpty())
    logo_->setText(file);
}

TCompanyProfile TCompanyDlg::Profile() const {
  TCompanyProfile p = profile_;
  p.Name = name_->text().trimmed().toStdString();
  p.Address = LinesOf(address_);
  p.Phone = phone_->text().trimmed().toStdString();
  p.Email = email_->text().trimmed().toStdString();
  p.Web = web_->text().trimmed().toStdString();
  p.TaxNumber = taxNumber_->text().trimmed().toStdString();
  p.Logo = logo_->text().trimmed().toStdString();
  p.Currency = currency_->text().trimmed().toStdString();
  p.ValidityDays = validity_->value();
  p.VatPercent = static_cast<TPercent100>(std::lround(vat_->value() * 100));
  p.Terms = LinesOf(terms_);
  p.NextQuoteNumber = nextNumber_->value();
  const QString pattern = pattern_->text().trimmed();
  p.QuotePattern = pattern.isEmpty() ? std::string("Q-####") : pattern.toStdString();
  return p;
}

} // namespace korvane
