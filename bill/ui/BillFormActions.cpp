// The bill window's ways about: the keys between its panes, the reasons of
// bad lines where the caret and the pointer are, opening a bill that is
// already open, and the Help menu.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHelpEvent>
#include <QListWidget>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolTip>
#include <QUrl>

#include "bill/ui/BillForm.h"
#include "desktop/ProgramFolders.h"
#include "desktop/ProgramVersion.h"
#include "desktop/ScrivelEditor.h"

namespace korvane {

QString TBillForm::BadLineReason(int line) const {
  for (const TJobNote &note : summary_.Notes)
    if (note.Line == line)
      return QString::fromStdString(note.Text);
  return {};
}

void TBillForm::ShowCaretLine() {
  int line = 0, index = 0;
  editor_->getCursorPosition(&line, &index);
  const QString reason = BadLineReason(line + 1);
  statusBar()->showMessage(reason.isEmpty() ? QString::fromStdString(summary_.Status) : reason);
}

bool TBillForm::eventFilter(QObject *watched, QEvent *event) {
  // The pointer on a marked line, its marker included, shows why it is marked.
  if (watched == editor_->viewport() && event->type() == QEvent::ToolTip) {
    const auto *help = static_cast<QHelpEvent *>(event);
    const int line = editor_->lineAt(help->pos());
    const QString reason = line >= 0 ? BadLineReason(line + 1) : QString();
    if (reason.isEmpty())
      QToolTip::hideText();
    else
      QToolTip::showText(help->globalPos(), reason, editor_->viewport());
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

void TBillForm::SwitchPane() {
  if (editor_->hasFocus() || editor_->isAncestorOf(QApplication::focusWidget()))
    tabs_->currentWidget()->setFocus(Qt::ShortcutFocusReason);
  else
    editor_->setFocus(Qt::ShortcutFocusReason);
}

void TBillForm::NextResultPage(int step) {
  const int count = tabs_->count();
  tabs_->setCurrentIndex(((tabs_->currentIndex() + step) % count + count) % count);
  tabs_->currentWidget()->setFocus(Qt::ShortcutFocusReason);
}

QString TBillForm::CostFileText() const {
  const TJobInfo &info = job_->Info();
  if (info.CostFile.empty())
    return tr("No cost file");
  return tr("Costs: %1 (%2)")
      .arg(QString::fromStdString(info.CostFile), QString::fromStdString(info.ReferenceDate));
}

TBillForm *TBillForm::WindowOf(const QString &path) {
  const QString wanted = QFileInfo(path).canonicalFilePath();
  if (wanted.isEmpty())
    return nullptr;
  for (QWidget *widget : QApplication::topLevelWidgets()) {
    auto *form = qobject_cast<TBillForm *>(widget);
    if (form && !form->path_.isEmpty() && QFileInfo(form->path_).canonicalFilePath() == wanted)
      return form;
  }
  return nullptr;
}

void TBillForm::OpenPath(const QString &path) {
  if (TBillForm *open = WindowOf(path)) {
    open->show();
    open->raise();
    open->activateWindow();
    return;
  }
  // An empty, untouched window takes the bill; otherwise it gets its own.
  if (path_.isEmpty() && !Unsaved() && editor_->text().isEmpty())
    LoadFile(path);
  else
    OpenWindow(services_, path);
}

void TBillForm::BuildHelpMenu() {
  QMenu *help = menuBar()->addMenu(tr("&Help"));
  help->addAction(tr("&Bill Window Guide"), QKeySequence::HelpContents, this,
                  &TBillForm::HelpClick);
  help->addAction(tr("&About Korvane Bill"), this, &TBillForm::AboutClick);
}

void TBillForm::HelpClick() {
  QUrl page = QUrl::fromLocalFile(HelpPagePath(services_.ProgramDir));
  page.setFragment(QStringLiteral("billwindow"));
  if (!OpenUrlWith(services_.UrlOpener, page))
    Tell(TMsgKind::Error, TMsgButtons::Ok,
         tr("The guide %1 cannot be opened.").arg(QDir::toNativeSeparators(page.toLocalFile())));
}

void TBillForm::AboutClick() {
  Tell(TMsgKind::Information, TMsgButtons::Ok,
       tr("%1 Bill\n\nPrices a whole bill as you type it, with the calculator's own rules, "
          "and writes the quote.")
           .arg(ProductCaption()));
}

} // namespace korvane
