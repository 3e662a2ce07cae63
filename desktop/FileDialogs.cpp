#include "desktop/FileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>

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
  if (!request.proposed.isEmpty()) {
    // Relative names resolve against the current folder, as every file name
    // the user types does.
    const QFileInfo proposed(request.proposed);
    dialog.setDirectory(proposed.absolutePath());
    dialog.selectFile(proposed.fileName());
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return QString();
  return dialog.selectedFiles().constFirst();
}

} // namespace

QString TQtFileDialogs::OpenFileName(QWidget *parent, const TFileDialogRequest &request) {
  return RunDialog(parent, request, QFileDialog::AcceptOpen);
}

QString TQtFileDialogs::SaveFileName(QWidget *parent, const TFileDialogRequest &request) {
  return RunDialog(parent, request, QFileDialog::AcceptSave);
}

} // namespace korvane
