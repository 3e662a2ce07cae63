#pragma once
// Company...: who the quotes are from and what a bill that says nothing of
// its own takes: the name, address, contacts, tax number and logo, the
// currency symbol, the validity and VAT, the terms, and the next quote
// number with its pattern.
#include <QDialog>

#include "bill/job/CompanyProfile.h"

class QDoubleSpinBox;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;

namespace korvane {

class TDesktopDialogs;

class TCompanyDlg : public QDialog {
  Q_OBJECT
public:
  // Browse... for the logo asks through `dialogs`.
  TCompanyDlg(const TCompanyProfile &profile, TDesktopDialogs &dialogs, QWidget *parent = nullptr);

  TCompanyProfile Profile() const;

  QLineEdit *NameEdit() const { return name_; }
  QPlainTextEdit *AddressEdit() const { return address_; }
  QLineEdit *LogoEdit() const { return logo_; }
  QDoubleSpinBox *VatEdit() const { return vat_; }
  QSpinBox *NextNumberEdit() const { return nextNumber_; }
  void BrowseLogo();

private:
  TCompanyProfile profile_; // what the dialog does not show stays
  TDesktopDialogs &dialogs_;
  QLineEdit *name_ = nullptr;
  QPlainTextEdit *address_ = nullptr;
  QLineEdit *phone_ = nullptr;
  QLineEdit *email_ = nullptr;
  QLineEdit *web_ = nullptr;
  QLineEdit *taxNumber_ = nullptr;
  QLineEdit *logo_ = nullptr;
  QLineEdit *currency_ = nullptr;
  QSpinBox *validity_ = nullptr;
  QDoubleSpinBox *vat_ = nullptr;
  QPlainTextEdit *terms_ = nullptr;
  QSpinBox *nextNumber_ = nullptr;
  QLineEdit *pattern_ = nullptr;
};

} // namespace korvane
