#pragma once
// The dialogs a window asks the user through: files, printer set-up and a
// colour. Every window takes them through this one interface, so a test
// answers them itself instead of a person and no dialog ever waits in a test
// run. Messages go through the core's message sink (TMessageBoxSink here).
#include <QColor>
#include <QString>

class QPrinter;
class QWidget;

namespace korvane {

struct TFileDialogRequest {
  QString title;
  QString filter;               // "Korvane file (*.kvd)"; several separated by ";;"
  QString defaultSuffix;        // "kvd": added to a typed name that has none
  QString proposed;             // the file (or folder) the dialog starts with
  bool confirmOverwrite = true; // Save: ask before an existing file is replaced
};

class TDesktopDialogs {
public:
  virtual ~TDesktopDialogs() = default;
  // The chosen file, or an empty text when the user cancelled.
  virtual QString OpenFileName(QWidget *parent, const TFileDialogRequest &request) = 0;
  virtual QString SaveFileName(QWidget *parent, const TFileDialogRequest &request) = 0;
  // Chooses the printer and its paper; false when cancelled.
  virtual bool PrintSetup(QWidget *parent, QPrinter &printer) = 0;
  // An invalid colour when cancelled.
  virtual QColor Colour(QWidget *parent, const QColor &initial) = 0;
};

// The platform's dialogs, modal over `parent`.
class TQtDesktopDialogs : public TDesktopDialogs {
public:
  QString OpenFileName(QWidget *parent, const TFileDialogRequest &request) override;
  QString SaveFileName(QWidget *parent, const TFileDialogRequest &request) override;
  bool PrintSetup(QWidget *parent, QPrinter &printer) override;
  QColor Colour(QWidget *parent, const QColor &initial) override;
};

// `given`, or the platform's dialogs when none was given. They keep no state,
// so one set serves every window.
TDesktopDialogs &DialogsOr(TDesktopDialogs *given);

} // namespace korvane
