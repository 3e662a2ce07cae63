// The cost editor's widgets: the date group, the six pages with their groups
// of value fields and notes, the Spiral page's picture buttons and the
// button column.
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

#include "costs/CostFields.h"
#include "costs/ui/CostValueEdit.h"
#include "costs/ui/PricesDlg.h"
#include "costs/ui/RefDatePicker.h"

namespace korvane {

namespace {

const char *const kRatesNote = "The manufacturing labour cost is used in Square to Round "
                               "calculations only.  Spiral fittings allow for labour in the "
                               "list price.";
const char *const kSpiralNote = "Spiral fitting costs can be adjusted by applying a spiral "
                                "fittings factor.  For example, 1.15 would increase the cost "
                                "of all fittings by 15%.";
const char *const kFactorsNote =
    "These factors are multipliers to the value.  For example, a factor of 1.05 applied to a "
    "Square to Round would increase its calculated price by 5%.  A typical metal waste factor "
    "would be entered as 1.15 to give a 15% offcut waste.";

struct TSpiralButtonSpec {
  const char *hint;
  const char *name;
  QStyle::StandardPixmap icon;
};

const std::array<TSpiralButtonSpec, kSpiralButtonCount> kSpiralButtons{{
    {"View Fittings Prices", "ViewFittingsBtn", QStyle::SP_FileDialogContentsView},
    {"Print Fittings Price List", "PrintFittingsBtn", QStyle::SP_FileDialogDetailedView},
    {"Edit Fittings Price List", "EditFittingsBtn", QStyle::SP_FileIcon},
    {"Read Fittings File", "ReadFittingsBtn", QStyle::SP_BrowserReload},
    {"Reset Fittings Price List", "ResetFittingsBtn", QStyle::SP_DialogResetButton},
}};

QLabel *Note(const char *text, QWidget *parent) {
  auto *note = new QLabel(QString::fromUtf8(text), parent);
  note->setWordWrap(true);
  QPalette palette = note->palette();
  palette.setColor(QPalette::WindowText, Qt::gray);
  note->setPalette(palette);
  return note;
}

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

void TPricesDlg::BuildLayout() {
  setWindowTitle(QStringLiteral("Costs"));

  auto *dateGroup = new QGroupBox(this);
  auto *dateRow = new QHBoxLayout(dateGroup);
  auto *dateLabel = new QLabel(QStringLiteral("Reference date"), dateGroup);
  refDate_ = new TRefDatePicker(dateGroup);
  refDate_->setObjectName(QStringLiteral("CRefDate"));
  dateLabel->setBuddy(refDate_);
  dateRow->addWidget(dateLabel);
  dateRow->addWidget(refDate_, 1);

  pages_ = new QTabWidget(this);
  pages_->setTabPosition(QTabWidget::South);
  for (int page = 0; page < kCostPageCount; ++page)
    pages_->addTab(BuildPage(page), Text(CostPageName(static_cast<TCostPage>(page))));
  pages_->setCurrentIndex(0);

  auto *left = new QVBoxLayout;
  left->addWidget(dateGroup);
  left->addWidget(pages_, 1);

  const auto button = [this](const char *caption, const char *name) {
    auto *b = new QPushButton(QString::fromUtf8(caption), this);
    b->setObjectName(QString::fromUtf8(name));
    // Return moves between fields here and never presses a button.
    b->setAutoDefault(false);
    return b;
  };
  okBtn_ = button("&OK", "OKBtn");
  cancelBtn_ = button("&Cancel", "CancelBtn");
  openBtn_ = button("&Open", "OpenBtn");
  saveBtn_ = button("&Save", "SaveBtn");
  insertBtn_ = button("&Insert", "InsertBtn");
  insertBtn_->setToolTip(QStringLiteral("Insert cost filename into source page"));
  auto *right = new QVBoxLayout;
  for (QPushButton *b : {okBtn_, cancelBtn_, openBtn_, saveBtn_, insertBtn_})
    right->addWidget(b);
  right->addStretch(1);

  auto *top = new QHBoxLayout(this);
  top->addLayout(left, 1);
  top->addLayout(right);
  top->setSizeConstraint(QLayout::SetFixedSize);

  connect(okBtn_, &QPushButton::clicked, this, &TPricesDlg::OkClick);
  connect(cancelBtn_, &QPushButton::clicked, this, &TPricesDlg::CancelClick);
  connect(openBtn_, &QPushButton::clicked, this, &TPricesDlg::OpenClick);
  connect(saveBtn_, &QPushButton::clicked, this, &TPricesDlg::SaveClick);
  connect(insertBtn_, &QPushButton::clicked, this, &TPricesDlg::InsertClick);
}

QWidget *TPricesDlg::BuildPage(int page) {
  auto *widget = new QWidget;
  auto *column = new QVBoxLayout(widget);
  const auto pageId = static_cast<TCostPage>(page);
  QGroupBox *group = nullptr;
  QGridLayout *grid = nullptr;
  std::vector<QLabel *> labels, units;
  for (const TCostField &field : CostFields()) {
    if (field.page != pageId)
      continue;
    if (!group || group->title() != Text(field.group)) {
      group = new QGroupBox(Text(field.group), widget);
      grid = new QGridLayout(group);
      grid->setColumnStretch(1, 1);
      column->addWidget(group);
    }
    const int row = grid->rowCount();
    auto *label = new QLabel(Text(field.label), group);
    auto *edit = new TCostValueEdit(group);
    edit->setObjectName(Text(field.name));
    label->setBuddy(edit);
    grid->addWidget(label, row, 0);
    grid->addWidget(edit, row, 1);
    labels.push_back(label);
    if (!field.unit.empty()) {
      units.push_back(new QLabel(Text(field.unit), group));
      grid->addWidget(units.back(), row, 2);
    }
    fields_.push_back(edit);
  }
  // The groups of a page line their fields up with each other.
  for (const auto *column : {&labels, &units}) {
    int width = 0;
    for (QLabel *l : *column)
      width = std::max(width, l->sizeHint().width());
    for (QLabel *l : *column)
      l->setMinimumWidth(width);
  }
  switch (pageId) {
  case TCostPage::Rates:
    column->addWidget(Note(kRatesNote, widget));
    break;
  case TCostPage::Spiral:
    grid->addWidget(Note(kSpiralNote, group), grid->rowCount(), 0, 1, 3);
    column->addWidget(BuildSpiralButtons());
    break;
  case TCostPage::Factors:
    column->addWidget(Note(kFactorsNote, widget));
    break;
  default:
    break;
  }
  column->addStretch(1);
  return widget;
}

QWidget *TPricesDlg::BuildSpiralButtons() {
  auto *row = new QWidget;
  auto *layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  for (int i = 0; i < kSpiralButtonCount; ++i) {
    auto *b = new QToolButton(row);
    b->setObjectName(QString::fromUtf8(kSpiralButtons[i].name));
    b->setIcon(style()->standardIcon(kSpiralButtons[i].icon));
    b->setToolTip(QString::fromUtf8(kSpiralButtons[i].hint));
    b->setAccessibleName(b->toolTip());
    b->setFocusPolicy(Qt::StrongFocus);
    layout->addWidget(b);
    spiralBtns_[static_cast<std::size_t>(i)] = b;
  }
  layout->addStretch(1);
  using T = TSpiralButton;
  const auto wire = [this](T which, void (TPricesDlg::*click)()) {
    connect(SpiralBtn(which), &QToolButton::clicked, this, click);
  };
  wire(T::View, &TPricesDlg::ViewFittingsClick);
  wire(T::Print, &TPricesDlg::PrintFittingsClick);
  wire(T::Edit, &TPricesDlg::EditFittingsClick);
  wire(T::Read, &TPricesDlg::ReadFittingsClick);
  wire(T::Reset, &TPricesDlg::ResetFittingsClick);
  return row;
}

QToolButton *TPricesDlg::SpiralBtn(TSpiralButton which) const {
  return spiralBtns_[static_cast<std::size_t>(which)];
}

} // namespace korvane
