#include "desktop/DesktopDialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>

namespace korvane {

namespace {

QString RunDialog(QWidget *parent, const TFileDialogRequest &request,
                  QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent, request.title);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                     : QFileDialog::AnyFile);
  dialog.setNameFilter(request.filter);
  dialog.setDefaultSuffix(request.defaultSuffix);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
  if (!request.proposed.isEmpty()) {
    // Relative names resolve against the current folder, as every file name
    // the user types does; a folder is where the dialog starts.
    const QFileInfo proposed(request.proposed);
    if (proposed.isDir()) {
      dialog.setDirectory(proposed.absoluteFilePath());
    } else {
      dialog.setDirectory(proposed.absolutePath());
      dialog.selectFile(proposed.fileName());
    }
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return QString();
  return dialog.selectedFiles().constFirst();
}

} // namespace

QString TQtDesktopDialogs::OpenFileName(QWidget *parent, const TFileDialogRequest &request) {
  return RunDialog(parent, request, QFileDialog::AcceptOpen);
}

QString TQtDesktopDialogs::SaveFileName(QWidget *parent, const TFileDialogRequest &request) {
  return RunDialog(parent, request, QFileDialog::AcceptSave);
}

bool TQtDesktopDialogs::PrintSetup(QWidget *parent, QPrinter &printer) {
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle(QStringLiteral("Print Setup"));
  // Setting up chooses the printer and its paper; printing is its own command.
  dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);
  return dialog.exec() == QDialog::Accepted;
}

QColor TQtDesktopDialogs::Colour(QWidget *parent, const QColor &initial) {
  return QColorDialog::getColor(initial, parent);
}

TDesktopDialogs &DialogsOr(TDesktopDialogs *given) {
  static TQtDesktopDialogs platform;
  return given ? *given : platform;
}

} // namespace korvane
