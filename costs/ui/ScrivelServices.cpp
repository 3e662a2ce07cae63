// The INI editor's real dialogs: file, colour and printer dialogs, message
// boxes and the browser.
#include "costs/ui/ScrivelForm.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

#include "desktop/MessageBoxSink.h"

namespace korvane {

TScrivelServices TScrivelServices::Desktop() {
  TScrivelServices s;
  s.getOpenFileName = [](QWidget *parent, const QString &caption, const QString &start,
                         const QString &filter) {
    return QFileDialog::getOpenFileName(parent, caption, start, filter);
  };
  s.getSaveFileName = [](QWidget *parent, const QString &caption, const QString &start,
                         const QString &filter) {
    return QFileDialog::getSaveFileName(parent, caption, start, filter);
  };
  s.getColour = [](QWidget *parent, const QColor &initial) {
    return QColorDialog::getColor(initial, parent);
  };
  s.printSetup = [](QWidget *parent, QPrinter &printer) {
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Print Setup"));
    // Setting up chooses the printer and its paper; printing is its own command.
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);
    return dialog.exec() == QDialog::Accepted;
  };
  s.openUrl = [](const QUrl &url) { return QDesktopServices::openUrl(url); };
  s.message = [](QWidget *parent, TMsgKind kind, TMsgButtons buttons, const QString &text) {
    TMessageBoxSink sink(parent);
    return sink.Show(kind, buttons, text.toStdString());
  };
  return s;
}

} // namespace korvane
