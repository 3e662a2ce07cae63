#include "bill/ui/BillPricing.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

#include "desktop/SettingsKeys.h"

namespace korvane {

std::string BillFallbackCostFile(const TBillServices &services) {
  QSettings settings(SettingsFileOf(services), QSettings::IniFormat);
  const QString last = settings.value(SettingsKeys::kLastCostFile).toString();
  if (last.isEmpty())
    return {};
  // The calculator runs in its own folder, where a relative name starts.
  return (QFileInfo(last).isRelative() ? services.ProgramDir + last : last).toStdString();
}

QString BillFileName(const QString &billPath) {
  return billPath.isEmpty() ? QCoreApplication::translate("TBillForm", "Untitled.dct")
                            : QFileInfo(billPath).fileName();
}

TBillTextJob BillPriceRequest(const TBillServices &services, const QString &billPath,
                              const TCompanyProfile &company) {
  TBillTextJob request;
  request.Setup.ProgramDir = services.ProgramDir.toStdString();
  request.Setup.DataDir = services.SharedDataDir.toStdString();
  request.Setup.Currency = services.Currency;
  if (std::string fallback = BillFallbackCostFile(services); !fallback.empty())
    request.FallbackCostFile = std::move(fallback);
  request.BillName = BillFileName(billPath).toStdString();
  request.Company = company;
  // A new bill has no folder of its own: a relative Costs line names a file
  // from the program's folder, as the shipped default does, never from the
  // folder the program happened to be started in.
  request.BillDir =
      (billPath.isEmpty() ? services.ProgramDir : QFileInfo(billPath).absolutePath() + '/')
          .toStdString();
  return request;
}

} // namespace korvane
