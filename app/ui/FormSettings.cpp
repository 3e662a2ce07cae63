#include "app/ui/FormSettings.h"
#include "desktop/SettingsKeys.h"
#include "desktop/WindowPlacement.h"

#include <QSettings>

namespace korvane {

TFormSettings ReadFormSettings(const QString &settingsFile, const TFormSettings &defaults) {
  const QSettings settings(settingsFile, QSettings::IniFormat);
  TFormSettings out;
  const QRect rect =
      ReadWindowRect(settings, SettingsKeys::kFormGroup,
                     QRect(defaults.Left, defaults.Top, defaults.Width, defaults.Height));
  out.Left = rect.left();
  out.Top = rect.top();
  out.Width = rect.width();
  out.Height = rect.height();
  const QVariant last = settings.value(SettingsKeys::kLastCostFile);
  out.LastCostFile = last.isValid() ? last.toString() : defaults.LastCostFile;
  return out;
}

bool WriteFormSettings(const QString &settingsFile, const TFormSettings &values) {
  QSettings settings(settingsFile, QSettings::IniFormat);
  WriteWindowRect(settings, SettingsKeys::kFormGroup,
                  QRect(values.Left, values.Top, values.Width, values.Height));
  settings.setValue(SettingsKeys::kLastCostFile, values.LastCostFile);
  settings.sync();
  return settings.status() == QSettings::NoError;
}

} // namespace korvane
