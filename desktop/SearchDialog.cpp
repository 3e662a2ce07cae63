#include "desktop/SearchDialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace korvane {

TSearchDialog::TSearchDialog(TMode mode, QWidget *parent)
    : QDialog(parent), mode_(mode), findEdit_(new QLineEdit(this)),
      wholeWord_(new QCheckBox(QStringLiteral("Match &whole word only"), this)),
      matchCase_(new QCheckBox(QStringLiteral("Match &case"), this)),
      findNext_(new QPushButton(QStringLiteral("&Find Next"), this)) {
  const bool replacing = mode == TMode::Replace;
  setWindowTitle(replacing ? QStringLiteral("Replace") : QStringLiteral("Find"));
  setModal(false);

  auto *fields = new QFormLayout;
  fields->addRow(QStringLiteral("Fi&nd what:"), findEdit_);
  if (replacing) {
    replaceEdit_ = new QLineEdit(this);
    fields->addRow(QStringLiteral("Re&place with:"), replaceEdit_);
  }
  auto *left = new QVBoxLayout;
  left->addLayout(fields);
  auto *options = new QHBoxLayout;
  auto *checks = new QVBoxLayout;
  checks->addWidget(wholeWord_);
  checks->addWidget(matchCase_);
  options->addLayout(checks);
  if (!replacing) {
    auto *direction = new QGroupBox(QStringLiteral("Direction"), this);
    auto *dirLayout = new QHBoxLayout(direction);
    up_ = new QRadioButton(QStringLiteral("&Up"), direction);
    down_ = new QRadioButton(QStringLiteral("&Down"), direction);
    down_->setChecked(true);
    dirLayout->addWidget(up_);
    dirLayout->addWidget(down_);
    options->addWidget(direction);
  }
  left->addLayout(options);
  left->addStretch();

  auto *buttons = new QVBoxLayout;
  findNext_->setDefault(true);
  buttons->addWidget(findNext_);
  connect(findNext_, &QPushButton::clicked, this, &TSearchDialog::FindNextClicked);
  if (replacing) {
    replace_ = new QPushButton(QStringLiteral("&Replace"), this);
    replaceAll_ = new QPushButton(QStringLiteral("Replace &All"), this);
    buttons->addWidget(replace_);
    buttons->addWidget(replaceAll_);
    connect(replace_, &QPushButton::clicked, this, &TSearchDialog::ReplaceClicked);
    connect(replaceAll_, &QPushButton::clicked, this, &TSearchDialog::ReplaceAllClicked);
  }
  auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
  connect(cancel, &QPushButton::clicked, this, &QDialog::hide);
  buttons->addWidget(cancel);
  buttons->addStretch();

  auto *layout = new QHBoxLayout(this);
  layout->addLayout(left);
  layout->addLayout(buttons);

  connect(findEdit_, &QLineEdit::textChanged, this, &TSearchDialog::UpdateButtons);
  UpdateButtons();
}

QString TSearchDialog::FindText() const {
  return findEdit_->text();
}

void TSearchDialog::SetFindText(const QString &text) {
  findEdit_->setText(text);
}

QString TSearchDialog::ReplaceText() const {
  return replaceEdit_ ? replaceEdit_->text() : QString();
}

void TSearchDialog::SetReplaceText(const QString &text) {
  if (replaceEdit_)
    replaceEdit_->setText(text);
}

TSearchOptions TSearchDialog::Options() const {
  TSearchOptions o;
  o.down = down_ ? down_->isChecked() : true;
  o.matchCase = matchCase_->isChecked();
  o.wholeWord = wholeWord_->isChecked();
  return o;
}

void TSearchDialog::SetOptions(const TSearchOptions &options) {
  if (down_) {
    down_->setChecked(options.down);
    up_->setChecked(!options.down);
  }
  matchCase_->setChecked(options.matchCase);
  wholeWord_->setChecked(options.wholeWord);
}

void TSearchDialog::UpdateButtons() {
  // Nothing to search for: nothing to press.
  const bool any = !findEdit_->text().isEmpty();
  findNext_->setEnabled(any);
  if (replace_) {
    replace_->setEnabled(any);
    replaceAll_->setEnabled(any);
  }
}

} // namespace korvane
