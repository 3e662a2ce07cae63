#include "app/ui/FormSettings.h"
#include "desktop/SettingsKeys.h"
#include "desktop/WindowPlacement.h"

#include <QList>
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

QRect KeepOnScreens(const QRect &frame, const QList<QRect> &screens, const QPoint &fallback) {
  // The title bar is what the user drags; a window whose top strip is
  // visible somewhere can always be brought back by hand.
  const QRect titleStrip(frame.left(), frame.top(), frame.width(), 24);
  for (const QRect &screen : screens)
    if (screen.intersected(titleStrip).width() >= 40)
      return frame;
  QRect moved = frame;
  moved.moveTopLeft(fallback);
  return moved;
}

} // namespace korvane
