// korvane-bill: the bill window. Every bill named on the command line opens
// in a window of its own, after any unsaved bills of an earlier run the user
// restores; with none of either, one window on a new bill. With --export it
// writes one bill's quote or priced job and shows no window.
#include <QApplication>
#include <QIcon>
#include <QStyle>
#include <QTimer>

#include <cstdio>

#include "app/ProgramUsage.h"
#include "bill/ui/BillForm.h"
#include "desktop/ChevronStyle.h"
#include "desktop/FontWarmUp.h"
#include "desktop/SessionBusWarmUp.h"
#include "programs/korvane-bill/ExportCommand.h"

using namespace korvane;

int main(int argc, char *argv[]) {
  // Before the application: the usage text and the export need no display.
  TBillArgs args;
  std::string error;
  if (!ParseBillArgs(std::vector<std::string>(argv + 1, argv + argc), args, error)) {
    std::fprintf(stderr, "korvane-bill: %s\nTry 'korvane-bill --help'.\n", error.c_str());
    return 2;
  }
  if (args.Help) {
    const std::string_view usage = KorvaneBillUsage();
    std::fwrite(usage.data(), 1, usage.size(), stdout);
    return 0;
  }
  if (args.ExportTo)
    return RunExport(argc, argv, args);
  if (args.Company) {
    TCompanyProfile company;
    if (!ReadCompanyProfile(*args.Company, company, error)) {
      std::fprintf(stderr, "korvane-bill: %s\n", error.c_str());
      return 2;
    }
  }
  TFontWarmUp fonts;
  QApplication app(argc, argv);
  const std::jthread fontDatabase = fonts.FillDatabase();
  const std::jthread sessionBus = ConnectSessionBusAhead();
  QApplication::setStyle(new TChevronStyle(QApplication::style()->name()));
  QApplication::setApplicationName(QStringLiteral("Korvane"));
  QApplication::setOrganizationName(QStringLiteral("Tarnwell"));
  QApplication::setDesktopFileName(QStringLiteral("korvane-bill"));

  TBillServices services = TBillServices::Desktop(QApplication::applicationDirPath());
  if (args.Company)
    services.CompanyFile = QString::fromStdString(*args.Company);
  // Read again once Qt has taken its own options (-platform, ...) out.
  QStringList words = QApplication::arguments();
  words.removeFirst();
  std::vector<std::string> left;
  for (const QString &word : words)
    left.push_back(word.toStdString());
  args = TBillArgs{};
  ParseBillArgs(left, args, error);
  fonts.Wait();
  // The unsaved bills of a run that ended without closing them come first.
  int opened = TBillForm::OfferLeftBehind(services);
  for (const std::string &path : args.Bills)
    opened += TBillForm::OpenWindow(services, QString::fromStdString(path)) != nullptr;
  if (opened == 0)
    TBillForm::OpenWindow(services);
  // Looking the icon up in the desktop's themes searches many folders: done
  // once the windows are up, they take it on as it comes.
  QTimer::singleShot(
      0, [] { QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("korvane-bill"))); });
  return app.exec();
}
