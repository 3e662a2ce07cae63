#include "desktop/DesktopServices.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "desktop/KorvaneSettings.h"

namespace korvane {

TDesktopDialogs &DialogsOf(const TDesktopServices &services) {
  return DialogsOr(services.Dialogs);
}

QString SettingsFileOf(const TDesktopServices &services) {
  return services.SettingsFile.isEmpty() ? KorvaneSettingsFile() : services.SettingsFile;
}

bool PrinterAvailable(const TDesktopServices &services) {
  if (services.HasPrinter)
    return services.HasPrinter();
  if (services.Printer)
    return true;
  return !QPrinterInfo::availablePrinterNames().isEmpty();
}

std::unique_ptr<QPagedPaintDevice> ChoosePrinter(const TDesktopServices &services, QWidget *parent,
                                                 const QString &title) {
  if (services.Printer)
    return services.Printer(parent, title);
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull())
    return nullptr;
  auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
  printer->setDocName(title);
  QPrintDialog dialog(printer.get(), parent);
  if (dialog.exec() != QDialog::Accepted)
    return nullptr;
  return printer;
}

QString ReadClipboard(const TDesktopServices &services) {
  if (services.Clipboard.Read)
    return services.Clipboard.Read();
  return QGuiApplication::clipboard()->text();
}

void WriteClipboard(const TDesktopServices &services, const QString &text) {
  if (services.Clipboard.Write)
    services.Clipboard.Write(text);
  else
    QGuiApplication::clipboard()->setText(text);
}

} // namespace korvane
