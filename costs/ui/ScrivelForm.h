#pragma once
// The INI file editor window. In this program it edits the spiral fittings
// price file, but it opens, saves and prints any text file. Every dialog it
// shows goes through TScrivelServices, so a test answers them in code.
#include <QColor>
#include <QMainWindow>
#include <QPointer>
#include <QUrl>

#include <functional>
#include <memory>

#include "base/MessageSink.h"
#include "desktop/DesktopDialogs.h"
#include "desktop/DesktopServices.h"
#include "desktop/UrlOpener.h"

class QAction;
class QEventLoop;
class QLabel;
class QPrinter;

namespace korvane {

class TScrivelEditor;
class TScrivelPrinter;
class TSearchDialog;

// The INI editor asks outside itself only what every window does.
using TScrivelServices = TDesktopServices;

class TScrivelForm : public QMainWindow {
  Q_OBJECT
public:
  // `settingsPath` is the per-user settings file (KorvaneSettingsFile());
  // the window placement lives in its group "ScrivelForm".
  TScrivelForm(TScrivelServices services, const QString &settingsPath, QWidget *parent = nullptr);
  ~TScrivelForm() override;

  QString FileName() const { return fileName_; }
  // Full path; a relative name is taken against the current folder.
  void SetFileName(const QString &name);
  // Reads the named file into the editor when it exists; true when it did.
  // A missing file changes nothing; an unreadable one is reported and
  // changes nothing.
  bool Load();
  // Writes the text, every line ended by CR LF, replacing the file only once
  // the whole text is on disk. Without a file name, asks for one.
  bool Save();
  bool SaveAs();
  void Open();
  void New();
  bool Print();
  void PrintSetup();
  void Find();
  void Replace();
  void ShowLineCount();
  void SelectBackgroundColour();
  void BrowseWebSite();
  // The files of a drop: the first one is opened.
  void OpenDroppedFiles(const QStringList &paths);

  bool IsModified() const { return modified_; }
  TScrivelEditor *Editor() const { return editor_; }
  TScrivelPrinter &Printer() const { return *printer_; }
  TSearchDialog *FindDialog() const { return findDialog_; }
  TSearchDialog *ReplaceDialog() const { return replaceDialog_; }
  QString StatusText() const;
  QAction *LineNumbersAction() const { return lineNumbersAction_; }

  void SetProgramDir(const QString &dir) { programDir_ = dir; }
  void SetWebSite(const QUrl &url) { webSite_ = url; }

  // Shows the window modally and returns when it has been closed.
  void ShowModal();

protected:
  void closeEvent(QCloseEvent *event) override;
  void hideEvent(QHideEvent *event) override;

private:
  void BuildMenus();
  void SetModified(bool modified);
  // Asks about unsaved changes: true when the caller may go on.
  bool ConfirmDiscard();
  bool WriteFile(const QString &path);
  void ShowSearchDialog(TSearchDialog *dialog, const TSearchDialog *other);
  void FindFromDialog(TSearchDialog *dialog);
  void ReplaceFromDialog(bool all);
  void ShowNotFound(const QString &text);
  void ShowError(const QString &text);
  TMsgResult Say(TMsgKind kind, TMsgButtons buttons, const QString &text);
  QString StartPath() const;

  TScrivelServices services_;
  std::unique_ptr<TMessageSink> boxSink_; // message boxes, unless a sink was given
  QString settingsPath_;
  QString fileName_;
  QString programDir_;
  QUrl webSite_;
  bool modified_ = false;
  bool loading_ = false;
  TScrivelEditor *editor_;
  std::unique_ptr<TScrivelPrinter> printer_;
  TSearchDialog *findDialog_;
  TSearchDialog *replaceDialog_;
  QLabel *statusState_;
  QLabel *statusSpare_;
  QAction *lineNumbersAction_ = nullptr;
  QPointer<QEventLoop> modalLoop_;
};

// Opens "Fittings.ini" of the shared data folder in `form` and returns when
// the user has closed the window. The caller re-reads the price table then.
void EditFittingsIni(TScrivelForm &form, const QString &sharedDataDir);

} // namespace korvane
