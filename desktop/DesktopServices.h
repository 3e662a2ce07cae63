#pragma once
// What a window asks outside itself, one set for every window of the
// program: file and colour dialogs, message boxes, the printer, the
// clipboard, the desktop's URL handler and the settings file. Each member has
// a working default; a test puts in its own, so no dialog ever waits in a
// test run and nothing touches the user's desktop.
#include <QString>

#include <functional>
#include <memory>

#include "base/MessageSink.h"
#include "desktop/DesktopDialogs.h"
#include "desktop/UrlOpener.h"

class QPagedPaintDevice;
class QWidget;

namespace korvane {

// A printer chosen for a job titled `title`, its paper set; null when the
// user cancelled or there is no printer.
using TPrinterChooser =
    std::function<std::unique_ptr<QPagedPaintDevice>(QWidget *parent, const QString &title)>;

struct TClipboardAccess {
  std::function<QString()> Read;
  std::function<void(const QString &)> Write;
};

struct TDesktopServices {
  TDesktopDialogs *Dialogs = nullptr;    // null: the platform's dialogs
  TMessageSink *Messages = nullptr;      // null: message boxes over the window
  TUrlOpener UrlOpener = {};             // empty: the desktop's handler
  TPrinterChooser Printer = {};          // empty: the default printer, through the print dialog
  std::function<bool()> HasPrinter = {}; // empty: whether the system knows a printer
  TClipboardAccess Clipboard = {};       // empty: the system clipboard
  QString SettingsFile = {};             // empty: KorvaneSettingsFile()
};

// The members, or their defaults where none was given.
TDesktopDialogs &DialogsOf(const TDesktopServices &services);
QString SettingsFileOf(const TDesktopServices &services);
// Whether there is a printer to print on: the given answer, else yes when a
// printer chooser was given (it stands for one), else the system's.
bool PrinterAvailable(const TDesktopServices &services);
std::unique_ptr<QPagedPaintDevice> ChoosePrinter(const TDesktopServices &services, QWidget *parent,
                                                 const QString &title);
QString ReadClipboard(const TDesktopServices &services);
void WriteClipboard(const TDesktopServices &services, const QString &text);

} // namespace korvane
