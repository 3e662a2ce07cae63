#pragma once
// The file dialogs of the main window behind an interface, so a test answers
// them itself instead of a person (and no dialog ever waits in a test run).
#include <QString>

class QWidget;

namespace korvane {

struct TFileDialogRequest {
  QString title;
  QString filter;        // "Korvane file (*.kvd)"
  QString defaultSuffix; // "kvd": added to a typed name that has none
  QString proposed;      // the name the dialog starts with
};

class TFileDialogs {
public:
  virtual ~TFileDialogs() = default;
  // The chosen file, or an empty text when the user cancelled.
  virtual QString OpenFileName(QWidget *parent, const TFileDialogRequest &request) = 0;
  virtual QString SaveFileName(QWidget *parent, const TFileDialogRequest &request) = 0;
};

// The platform's dialogs (QFileDialog), modal over `parent`.
class TQtFileDialogs : public TFileDialogs {
public:
  QString OpenFileName(QWidget *parent, const TFileDialogRequest &request) override;
  QString SaveFileName(QWidget *parent, const TFileDialogRequest &request) override;
};

} // namespace korvane
