#include "desktop/ContactDetails.h"

#include "desktop/KorvaneSettings.h"
#include "desktop/SettingsKeys.h"

#include <QSettings>

namespace korvane {

namespace {
const struct {
  const char *key;
  QString TContactDetails::*member;
} kKeys[] = {
    {"company", &TContactDetails::company}, {"description", &TContactDetails::description},
    {"logo", &TContactDetails::logo},       {"addr1", &TContactDetails::addr1},
    {"addr2", &TContactDetails::addr2},     {"code", &TContactDetails::code},
    {"country", &TContactDetails::country}, {"email", &TContactDetails::email},
    {"web", &TContactDetails::web},         {"tel", &TContactDetails::tel},
    {"fax", &TContactDetails::fax},         {"user", &TContactDetails::user},
};
} // namespace

TContactDetails DefaultContactDetails() {
  TContactDetails c;
  c.company = QStringLiteral("Tarnwell Duct Systems");
  c.description = QStringLiteral("Estimating software for sheet-metal ductwork");
  c.logo = QStringLiteral("Tarnwell");
  c.addr1 = QStringLiteral("Unit 4, Foundry Park");
  c.addr2 = QStringLiteral("Riverside Road, Kestrel Bay");
  c.code = QStringLiteral("7405");
  c.country = QStringLiteral("South Africa");
  c.email = QStringLiteral("enquiries@tarnwell.example");
  c.web = QStringLiteral("www.tarnwell.example");
  c.tel = QStringLiteral("+27 21 555 0140");
  c.fax = QStringLiteral("+27 21 555 0141");
  c.user = QString();
  return c;
}

QString MakerCopyright() {
  return QStringLiteral("Copyright \u00A9 2026 Tarnwell Duct Systems");
}

TContactDetails ReadContactDetails(const QString &settingsFile) {
  const QString file = settingsFile.isEmpty() ? MakerSettingsFile() : settingsFile;
  QSettings settings(file, QSettings::IniFormat);
  settings.beginGroup(SettingsKeys::kMakerGroup);
  TContactDetails c = DefaultContactDetails();
  // Any bytes may sit in the file; a non-text value reads as its text form.
  for (const auto &[key, member] : kKeys)
    c.*member = settings.value(QLatin1String(key), c.*member).toString();
  return c;
}

QString WebAddressUrl(const QString &web) {
  if (web.contains(QLatin1String("://")))
    return web;
  return QStringLiteral("http://") + web;
}

} // namespace korvane
