#include "programs/korvane-bill/ExportCommand.h"

#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>

#include "base/FileIO.h"
#include "bill/BillLexer.h"
#include "bill/job/JobFormats.h"
#include "bill/ui/BillExport.h"
#include "bill/ui/BillPricing.h"

namespace korvane {

namespace {

// Qt's own notes (a missing XDG_RUNTIME_DIR, fonts) are no business of a
// script's; what goes wrong with the export is told by the command itself.
void KeepQuiet(QtMsgType type, const QMessageLogContext &, const QString &text) {
  if (type == QtCriticalMsg || type == QtFatalMsg)
    std::fprintf(stderr, "korvane-bill: %s\n", qPrintable(text));
}

int Fail(const std::string &text) {
  std::fprintf(stderr, "korvane-bill: %s\n", text.c_str());
  return 2;
}

std::string Extensions() {
  std::string list;
  for (const TJobFormat &format : JobFormats())
    list += (list.empty() ? "." : ", .") + std::string(format.Extension);
  return list;
}

} // namespace

int RunExport(int argc, char *argv[], const TBillArgs &args) {
  const std::string &out = *args.ExportTo;
  const TJobFormat *format = JobFormatForFile(out);
  if (!format)
    return Fail("cannot tell what to write from the name '" + out + "': end it in " + Extensions());
  // No window is shown, so no display is needed: the PDF's fonts and pages
  // come from the offscreen platform.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(KeepQuiet);
  QGuiApplication app(argc, argv);
  TBillServices services = TBillServices::Batch(QCoreApplication::applicationDirPath() + '/');
  if (args.Company)
    services.CompanyFile = QString::fromStdString(*args.Company);
  TCompanyProfile company;
  std::string error;
  // A profile named on the command line must load; the saved one, when
  // there is one.
  if ((args.Company || QFileInfo::exists(services.CompanyFile)) &&
      !ReadCompanyProfile(services.CompanyFile.toStdString(), company, error))
    return Fail(error);
  const std::string &bill = args.Bills.front();
  std::string text;
  if (!ReadFileBytes(bill, text, &error, TBillLexer::kMaxBillBytes))
    return Fail("cannot read bill '" + bill + "': " + error);
  const TBillTextJob request = BillPriceRequest(
      services, QFileInfo(QString::fromStdString(bill)).absoluteFilePath(), company);
  TBillExportResult result;
  if (!ExportBill(text, request, *format, QString::fromStdString(out),
                  QuotePaper(SettingsFileOf(services)), result))
    return Fail("cannot write " + std::string(format->Document) + " '" + out +
                "': " + result.Error);
  if (!result.Warning.empty())
    std::fprintf(stderr, "korvane-bill: warning: %s\n", result.Warning.c_str());
  for (const std::string &note : result.Notes)
    std::fprintf(stderr, "korvane-bill: %s\n", note.c_str());
  return result.AllPriced ? 0 : 1;
}

} // namespace korvane
