#include "costs/ui/ScrivelForm.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QSaveFile>
#include <QSettings>
#include <QStatusBar>
#include <QStringDecoder>
#include <QStyle>
#include <QToolBar>

#include "costs/FittingsFiles.h"
#include "costs/ui/ScrivelPrinter.h"
#include "desktop/IniLexer.h"
#include "desktop/MessageBoxSink.h"
#include "desktop/ProgramVersion.h"
#include "desktop/ScrivelEditor.h"
#include "desktop/SearchDialog.h"
#include "desktop/SettingsKeys.h"
#include "desktop/WindowPlacement.h"

namespace korvane {

namespace {

const QString kSettingsGroup = SettingsKeys::kScrivelFormGroup;
const QString kFilter = QStringLiteral("Text Files (*.ini *.txt);;All Files (*)");
// Nobody edits a price list this big; a larger file is no text for this window.
constexpr qint64 kMaxFileSize = 64 * 1024 * 1024;

// Files are UTF-8; an older file in the Windows code page still reads, its
// accented letters and degree signs intact.
QString DecodeText(const QByteArray &bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8);
  QString text = utf8(bytes);
  if (utf8.hasError())
    text = QString::fromLatin1(bytes);
  return text;
}

} // namespace

TScrivelForm::TScrivelForm(TScrivelServices services, const QString &settingsPath, QWidget *parent)
    : QMainWindow(parent), services_(std::move(services)), settingsPath_(settingsPath),
      programDir_(QCoreApplication::applicationDirPath()), editor_(new TScrivelEditor(this)),
      printer_(std::make_unique<TScrivelPrinter>()),
      findDialog_(new TSearchDialog(TSearchDialog::TMode::Find, this)),
      replaceDialog_(new TSearchDialog(TSearchDialog::TMode::Replace, this)),
      statusState_(new QLabel(QStringLiteral("Ready.."), this)), statusSpare_(new QLabel(this)) {
  setCentralWidget(editor_);
  BuildMenus();
  statusState_->setFixedWidth(120);
  statusSpare_->setFixedWidth(50);
  statusBar()->addWidget(statusState_);
  statusBar()->addWidget(statusSpare_);

  connect(editor_, &QsciScintilla::textChanged, this, [this] {
    if (!loading_)
      SetModified(true);
  });
  connect(editor_, &TScrivelEditor::FilesDropped, this, &TScrivelForm::OpenDroppedFiles);
  connect(findDialog_, &TSearchDialog::FindNextClicked, this,
          [this] { FindFromDialog(findDialog_); });
  connect(replaceDialog_, &TSearchDialog::FindNextClicked, this,
          [this] { FindFromDialog(replaceDialog_); });
  connect(replaceDialog_, &TSearchDialog::ReplaceClicked, this,
          [this] { ReplaceFromDialog(false); });
  connect(replaceDialog_, &TSearchDialog::ReplaceAllClicked, this,
          [this] { ReplaceFromDialog(true); });

  TWindowPlacement design;
  design.left = 192;
  design.top = 107;
  design.width = 503;
  design.height = 334 + menuBar()->sizeHint().height();
  QSettings settings(settingsPath_, QSettings::IniFormat);
  RestoreWindowPlacement(*this, ReadWindowPlacement(settings, kSettingsGroup, design));
  setWindowTitle(ProductCaption());
}

TScrivelForm::~TScrivelForm() = default;

void TScrivelForm::BuildMenus() {
  const auto add = [this](QMenu *menu, const QString &text, QKeySequence key, auto slot) {
    QAction *action = menu ? menu->addAction(text) : new QAction(text, this);
    if (!key.isEmpty())
      action->setShortcut(key);
    connect(action, &QAction::triggered, this, slot);
    return action;
  };
  QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
  QAction *open =
      add(file, QStringLiteral("&Open..."), QKeySequence(Qt::CTRL | Qt::Key_O), [this] { Open(); });
  QAction *save =
      add(file, QStringLiteral("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S), [this] { Save(); });
  add(file, QStringLiteral("Save &As.."), {}, [this] { SaveAs(); });
  file->addSeparator();
  add(file, QStringLiteral("Print Set&up..."), {}, [this] { PrintSetup(); });
  add(file, QStringLiteral("&Print"), QKeySequence(Qt::CTRL | Qt::Key_P), [this] { Print(); });
  file->addSeparator();
  add(file, QStringLiteral("E&xit"), {}, [this] { close(); });

  QMenu *search = menuBar()->addMenu(QStringLiteral("&Search"));
  add(search, QStringLiteral("&Find"), QKeySequence(Qt::CTRL | Qt::Key_F), [this] { Find(); });
  add(search, QStringLiteral("&Replace"), {}, [this] { Replace(); });

  QMenu *view = menuBar()->addMenu(QStringLiteral("&View"));
  add(view, QStringLiteral("&Line Count"), {}, [this] { ShowLineCount(); });
  lineNumbersAction_ = add(view, QStringLiteral("Line &Numbers"), {},
                           [this](bool on) { editor_->SetLineNumbers(on); });
  lineNumbersAction_->setCheckable(true);

  QMenu *edit = menuBar()->addMenu(QStringLiteral("&Edit"));
  QAction *cut = add(edit, QStringLiteral("Cu&t"), QKeySequence(Qt::CTRL | Qt::Key_X),
                     [this] { editor_->cut(); });
  QAction *copy = add(edit, QStringLiteral("&Copy"), QKeySequence(Qt::CTRL | Qt::Key_C),
                      [this] { editor_->copy(); });
  QAction *paste = add(edit, QStringLiteral("&Paste"), QKeySequence(Qt::CTRL | Qt::Key_V),
                       [this] { editor_->paste(); });
  add(edit, QStringLiteral("Select &All"), QKeySequence(Qt::CTRL | Qt::Key_A),
      [this] { editor_->selectAll(); });
  add(edit, QStringLiteral("&Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z),
      [this] { editor_->undo(); });

  QMenu *help = menuBar()->addMenu(QStringLiteral("&Help"));
  add(help, QStringLiteral("Select &Background Color..."), {},
      [this] { SelectBackgroundColour(); });
  add(help, QStringLiteral("&Browse Web Site"), {}, [this] { BrowseWebSite(); });

  QAction *newAction =
      add(nullptr, QStringLiteral("New"), QKeySequence(Qt::CTRL | Qt::Key_N), [this] { New(); });
  newAction->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
  open->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
  save->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
  cut->setIcon(QIcon::fromTheme(QStringLiteral("edit-cut")));
  copy->setIcon(QIcon::fromTheme(QStringLiteral("edit-copy")));
  paste->setIcon(QIcon::fromTheme(QStringLiteral("edit-paste")));
  QToolBar *tools = addToolBar(QStringLiteral("Tools"));
  tools->setObjectName(QStringLiteral("ToolBar1"));
  tools->setMovable(false);
  tools->addAction(newAction);
  tools->addAction(open);
  tools->addAction(save);
  tools->addSeparator();
  tools->addAction(cut);
  tools->addAction(copy);
  tools->addAction(paste);
  newAction->setToolTip(QStringLiteral("New"));
  open->setToolTip(QStringLiteral("Open"));
  save->setToolTip(QStringLiteral("Save"));
}

void TScrivelForm::SetFileName(const QString &name) {
  fileName_ = name.isEmpty() ? QString() : QFileInfo(name).absoluteFilePath();
}

QString TScrivelForm::StatusText() const {
  return statusState_->text();
}

void TScrivelForm::SetModified(bool modified) {
  modified_ = modified;
  statusState_->setText(modified ? QStringLiteral("Modified...") : QStringLiteral("Ready..."));
}

void TScrivelForm::ShowError(const QString &text) {
  Say(TMsgKind::Error, TMsgButtons::Ok, text);
}

TMsgResult TScrivelForm::Say(TMsgKind kind, TMsgButtons buttons, const QString &text) {
  if (services_.Messages)
    return services_.Messages->Show(kind, buttons, text.toStdString());
  if (!boxSink_)
    boxSink_ = std::make_unique<TMessageBoxSink>(this);
  return boxSink_->Show(kind, buttons, text.toStdString());
}

bool TScrivelForm::Load() {
  if (fileName_.isEmpty() || !QFileInfo(fileName_).isFile())
    return false;
  QFile file(fileName_);
  if (!file.open(QIODevice::ReadOnly)) {
    ShowError(QStringLiteral("Cannot open file \"%1\". %2").arg(fileName_, file.errorString()));
    return false;
  }
  if (file.size() > kMaxFileSize) {
    ShowError(QStringLiteral("Cannot open file \"%1\". The file is too large.").arg(fileName_));
    return false;
  }
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    ShowError(QStringLiteral("Cannot read file \"%1\". %2").arg(fileName_, file.errorString()));
    return false;
  }
  // The editor keeps text up to the first NUL only; saving such a file again
  // would cut it short, so it is not taken for text at all.
  if (bytes.contains('\0')) {
    ShowError(QStringLiteral("Cannot open file \"%1\". It is not a text file.").arg(fileName_));
    return false;
  }
  loading_ = true;
  editor_->SetFileText(DecodeText(bytes));
  loading_ = false;
  setWindowTitle(fileName_);
  SetModified(false);
  return true;
}

bool TScrivelForm::WriteFile(const QString &path) {
  QByteArray bytes;
  for (const QString &line : editor_->TextLines()) {
    bytes += line.toUtf8();
    bytes += "\r\n";
  }
  QSaveFile file(path);
  // The text goes out in the flush, not the write; a flush that fails (a full
  // disk) must stop the save, or commit() would put a cut-short file in place.
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush() ||
      !file.commit()) {
    ShowError(QStringLiteral("Cannot create file \"%1\". %2").arg(path, file.errorString()));
    return false;
  }
  setWindowTitle(path);
  SetModified(false);
  return true;
}

bool TScrivelForm::Save() {
  if (fileName_.isEmpty())
    return SaveAs();
  return WriteFile(fileName_);
}

QString TScrivelForm::StartPath() const {
  return fileName_.isEmpty() ? programDir_ : fileName_;
}

bool TScrivelForm::SaveAs() {
  const QString name = DialogsOf(services_).SaveFileName(
      this, {QStringLiteral("Save As"), kFilter, QString(), StartPath()});
  if (name.isEmpty())
    return false;
  SetFileName(name);
  return WriteFile(fileName_);
}

bool TScrivelForm::ConfirmDiscard() {
  if (!modified_)
    return true;
  const QString name =
      fileName_.isEmpty() ? QStringLiteral("File") : QFileInfo(fileName_).fileName();
  return GoOnAfterSaveQuestion(Say(TMsgKind::Confirmation, TMsgButtons::YesNoCancel,
                                   name + QStringLiteral(" not saved.\rSave now?")),
                               [this] { return Save(); });
}

void TScrivelForm::Open() {
  if (!ConfirmDiscard())
    return;
  const QString name = DialogsOf(services_).OpenFileName(
      this, {QStringLiteral("Open"), kFilter, QString(), StartPath()});
  if (name.isEmpty())
    return;
  SetFileName(name);
  Load();
}

void TScrivelForm::OpenDroppedFiles(const QStringList &paths) {
  if (paths.isEmpty() || !ConfirmDiscard())
    return;
  SetFileName(paths.first());
  Load();
}

void TScrivelForm::New() {
  if (!ConfirmDiscard())
    return;
  editor_->ClearAll();
}

bool TScrivelForm::Print() {
  const QString name = fileName_.isEmpty() ? windowTitle() : fileName_;
  printer_->setDocName(name);
  printer_->SetHeaderText(name);
  if (!printer_->HasTarget()) {
    ShowError(QStringLiteral("There is no printer to print on."));
    return false;
  }
  if (!printer_->printRange(editor_)) {
    ShowError(QStringLiteral("Error printing \"%1\".").arg(name));
    return false;
  }
  return true;
}

void TScrivelForm::PrintSetup() {
  DialogsOf(services_).PrintSetup(this, *printer_);
}

void TScrivelForm::ShowSearchDialog(TSearchDialog *dialog, const TSearchDialog *other) {
  // The two dialogs share what the user last looked for.
  if (dialog->FindText().isEmpty())
    dialog->SetFindText(other->FindText());
  dialog->show();
  dialog->raise();
  dialog->activateWindow();
}

void TScrivelForm::Find() {
  ShowSearchDialog(findDialog_, replaceDialog_);
}

void TScrivelForm::Replace() {
  ShowSearchDialog(replaceDialog_, findDialog_);
}

void TScrivelForm::ShowNotFound(const QString &text) {
  Say(TMsgKind::Information, TMsgButtons::Ok,
      QStringLiteral("Search text \"%1\" not found.").arg(text));
}

void TScrivelForm::FindFromDialog(TSearchDialog *dialog) {
  const QString text = dialog->FindText();
  if (!editor_->FindText(text, dialog->Options()))
    ShowNotFound(text);
}

void TScrivelForm::ReplaceFromDialog(bool all) {
  const QString text = replaceDialog_->FindText();
  const QString with = replaceDialog_->ReplaceText();
  const TSearchOptions options = replaceDialog_->Options();
  const bool any = all ? editor_->ReplaceAll(text, with, options) > 0
                       : editor_->ReplaceAndFind(text, with, options);
  if (!any)
    ShowNotFound(text);
}

void TScrivelForm::ShowLineCount() {
  Say(TMsgKind::Information, TMsgButtons::Ok,
      QStringLiteral("Line Count: %1").arg(editor_->LineCount()));
}

void TScrivelForm::SelectBackgroundColour() {
  const QColor colour = DialogsOf(services_).Colour(this, editor_->Background());
  if (colour.isValid())
    editor_->SetBackground(colour);
}

void TScrivelForm::BrowseWebSite() {
  // The program hands in the maker's address; without one there is nowhere to go.
  if (!webSite_.isEmpty())
    OpenUrlWith(services_.UrlOpener, webSite_);
}

void TScrivelForm::closeEvent(QCloseEvent *event) {
  if (!ConfirmDiscard()) {
    event->ignore();
    return;
  }
  QSettings settings(settingsPath_, QSettings::IniFormat);
  WriteWindowPlacement(settings, kSettingsGroup, CurrentWindowPlacement(*this));
  settings.sync();
  findDialog_->hide();
  replaceDialog_->hide();
  event->accept();
}

void TScrivelForm::hideEvent(QHideEvent *event) {
  QMainWindow::hideEvent(event);
  // The window system hides a window it minimises; the window is still open
  // then, and whoever waits for it must go on waiting.
  if (modalLoop_ && !event->spontaneous())
    modalLoop_->quit();
}

void TScrivelForm::ShowModal() {
  setWindowModality(Qt::ApplicationModal);
  show();
  raise();
  activateWindow();
  editor_->setFocus();
  QEventLoop loop;
  modalLoop_ = &loop;
  loop.exec(QEventLoop::DialogExec);
  modalLoop_ = nullptr;
  setWindowModality(Qt::NonModal);
}

void EditFittingsIni(TScrivelForm &form, const QString &sharedDataDir) {
  form.SetFileName(QDir(sharedDataDir).filePath(QString::fromLatin1(kFittingsIniName)));
  form.Load();
  form.ShowModal();
}

} // namespace korvane
