// korvane: the duct item calculator.
#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QStyle>
#include <QTimer>

#include <cstdio>

#include "app/ProgramUsage.h"
#include "app/ui/CostEditor.h"
#include "app/ui/FormKorvane.h"
#include "app/ui/SingleInstance.h"
#include "app/ui/StartUp.h"
#include "app/ui/ToolIcons.h"
#include "desktop/ChevronStyle.h"
#include "desktop/FontWarmUp.h"
#include "desktop/MessageBoxSink.h"
#include "desktop/SessionBusWarmUp.h"

using namespace korvane;

int main(int argc, char *argv[]) {
  // Before the application: the usage text needs no display.
  if (AsksForHelp(argc, argv)) {
    const std::string_view usage = KorvaneUsage();
    std::fwrite(usage.data(), 1, usage.size(), stdout);
    return 0;
  }
  TFontWarmUp fonts;
  QApplication app(argc, argv);
  const std::jthread fontDatabase = fonts.FillDatabase();
  // Asked at once, so the bus is ready when the window wants it; a second
  // copy, which shows no window, waits for it only as it ends.
  const std::jthread sessionBus = ConnectSessionBusAhead();
  QApplication::setStyle(new TChevronStyle(QApplication::style()->name()));
  QApplication::setApplicationName(QStringLiteral("Korvane"));
  QApplication::setOrganizationName(QStringLiteral("Tarnwell"));
  QApplication::setDesktopFileName(QStringLiteral("korvane"));

  TKorvaneWorld world;
  TStartUp start;
  TMessageBoxSink startSink;
  if (!RunModuleStartUp(QApplication::applicationDirPath(), world, start, startSink))
    return 1;

  // A second copy only brings the first to the front: no window, no
  // settings written.
  TSingleInstance guard(QStringLiteral("Tarnwell-korvane"));
  if (!guard.Claim()) {
    guard.SignalFirst();
    return 0;
  }

  fonts.Wait();
  TFormKorvaneServices services;
  services.ProgramDir = start.Folders.ProgramDir;
  services.Contact = start.Contact;
  QStringList arguments = QApplication::arguments();
  arguments.removeFirst();
  // A file named on the command line is named from the folder the command
  // was given in; the names the program keeps itself start in its own.
  for (QString &argument : arguments)
    if (QFileInfo(argument).isRelative() && QFileInfo::exists(argument))
      argument = QFileInfo(argument).absoluteFilePath();
  services.Arguments = arguments;
  services.CostFileEditor = MakeCostEditor(start.Folders.ProgramDir, start.Folders.SharedDataDir);
  TFormKorvane form(world, std::move(services));
  QObject::connect(&guard, &TSingleInstance::Activate, &form, [&form] { BringToFront(&form); });
  form.show();
  // The frame's icon is drawn once the window is up; the task bar takes it
  // on as it comes.
  QTimer::singleShot(0, &form, [&form] { form.setWindowIcon(ProgramIcon()); });
  return app.exec();
}
