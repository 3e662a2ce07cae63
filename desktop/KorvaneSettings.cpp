#include "desktop/KorvaneSettings.h"
#include "desktop/SettingsKeys.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace korvane {

namespace {
const QString kSplashKey = SettingsKeys::kSplashScreen;
}

QString TarnwellConfigDir() {
  return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
      .filePath(QStringLiteral("Tarnwell"));
}

QString KorvaneSettingsFile() {
  return QDir(TarnwellConfigDir()).filePath(QStringLiteral("korvane.conf"));
}

QString MakerSettingsFile() {
  return QDir(TarnwellConfigDir()).filePath(QStringLiteral("Tarnwell.conf"));
}

bool ReadSplashScreen(const QString &settingsFile) {
  const QSettings settings(settingsFile, QSettings::IniFormat);
  // Only a clear "true" or a non-zero number counts as on: a damaged entry
  // must not switch the splash screen on by accident.
  const QString text = settings.value(kSplashKey).toString().trimmed();
  if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
    return true;
  bool isNumber = false;
  const long long number = text.toLongLong(&isNumber);
  return isNumber && number != 0;
}

bool WriteSplashScreen(const QString &settingsFile, bool on) {
  QSettings settings(settingsFile, QSettings::IniFormat);
  settings.setValue(kSplashKey, on);
  settings.sync();
  return settings.status() == QSettings::NoError;
}

} // namespace korvane
