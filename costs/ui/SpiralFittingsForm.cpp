#include "costs/ui/SpiralFittingsForm.h"

#include <QPlainTextEdit>
#include <QTabWidget>
#include <QVBoxLayout>

#include "costs/SpiralPriceListText.h"

namespace korvane {

TSpiralFittingsForm::TSpiralFittingsForm(const TSpiralPriceTable &table, const TCostRec &costs,
                                         QWidget *parent)
    : QDialog(parent), table_(table), costs_(costs), tabs_(new QTabWidget(this)) {
  setWindowTitle(QStringLiteral("Spiral Duct Fittings"));
  setSizeGripEnabled(true);
  resize(345, 250);
  auto *layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(tabs_);
  for (const TFittingGroup &group : FittingGroups()) {
    auto *memo = new QPlainTextEdit(tabs_);
    memo->setReadOnly(true);
    // Read-only, but the caret stays so the user can walk the lines.
    memo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memos_.push_back(memo);
    tabs_->addTab(memo, QString::fromUtf8(group.title.data(), qsizetype(group.title.size())));
  }
  tabs_->setCurrentIndex(0);
}

QPlainTextEdit *TSpiralFittingsForm::Memo(int group) const {
  return memos_.at(static_cast<std::size_t>(group));
}

void TSpiralFittingsForm::Refill() {
  const auto &groups = FittingGroups();
  for (std::size_t g = 0; g < groups.size(); ++g) {
    QString text;
    for (const std::string &line :
         FittingScreenLines(groups[g], table_, costs_.SpiralFittingFact)) {
      if (!text.isEmpty())
        text += QLatin1Char('\n');
      text += QString::fromStdString(line);
    }
    memos_[g]->setPlainText(text);
    memos_[g]->moveCursor(QTextCursor::Start);
  }
  QPlainTextEdit *active = memos_.at(static_cast<std::size_t>(tabs_->currentIndex()));
  active->setFocus(Qt::OtherFocusReason);
}

void TSpiralFittingsForm::showEvent(QShowEvent *event) {
  Refill();
  QDialog::showEvent(event);
}

} // namespace korvane
