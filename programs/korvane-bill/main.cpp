// korvane-bill: the bill window. Every bill named on the command line opens
// in a window of its own, after any unsaved bills of an earlier run the user
// restores; with none of either, one window on a new bill.
#include <QApplication>
#include <QIcon>
#include <QTimer>

#include <cstdio>

#include "app/ProgramUsage.h"
#include "bill/ui/BillForm.h"

using namespace korvane;

int main(int argc, char *argv[]) {
  // Before the application: the usage text needs no display.
  if (AsksForHelp(argc, argv)) {
    const std::string_view usage = KorvaneBillUsage();
    std::fwrite(usage.data(), 1, usage.size(), stdout);
    return 0;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Korvane"));
  QApplication::setOrganizationName(QStringLiteral("Tarnwell"));
  QApplication::setDesktopFileName(QStringLiteral("korvane-bill"));

  const TBillServices services = TBillServices::Desktop(QApplication::applicationDirPath());
  QStringList paths = QApplication::arguments();
  paths.removeFirst();
  // The unsaved bills of a run that ended without closing them come first.
  int opened = TBillForm::OfferLeftBehind(services);
  for (const QString &path : paths)
    opened += TBillForm::OpenWindow(services, path) != nullptr;
  if (opened == 0)
    TBillForm::OpenWindow(services);
  // Looking the icon up in the desktop's themes searches many folders: done
  // once the windows are up, they take it on as it comes.
  QTimer::singleShot(
      0, [] { QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("korvane-bill"))); });
  return app.exec();
}
