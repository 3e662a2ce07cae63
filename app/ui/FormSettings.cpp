#include "app/ui/FormSettings.h"
#include "desktop/SettingsKeys.h"

#include <QList>
#include <QSettings>

namespace korvane {

namespace {

int ReadInt(const QSettings &settings, const QString &key, int fallback) {
  bool ok = false;
  const int value = settings.value(key).toString().trimmed().toInt(&ok);
  return ok ? value : fallback;
}

} // namespace

TFormSettings ReadFormSettings(const QString &settingsFile, const TFormSettings &defaults) {
  const QSettings settings(settingsFile, QSettings::IniFormat);
  TFormSettings out;
  out.Left = ReadInt(settings, SettingsKeys::kFormLeft, defaults.Left);
  out.Top = ReadInt(settings, SettingsKeys::kFormTop, defaults.Top);
  out.Width = ReadInt(settings, SettingsKeys::kFormWidth, defaults.Width);
  out.Height = ReadInt(settings, SettingsKeys::kFormHeight, defaults.Height);
  const QVariant last = settings.value(SettingsKeys::kLastCostFile);
  out.LastCostFile = last.isValid() ? last.toString() : defaults.LastCostFile;
  return out;
}

bool WriteFormSettings(const QString &settingsFile, const TFormSettings &values) {
  QSettings settings(settingsFile, QSettings::IniFormat);
  settings.setValue(SettingsKeys::kFormLeft, values.Left);
  settings.setValue(SettingsKeys::kFormTop, values.Top);
  settings.setValue(SettingsKeys::kFormWidth, values.Width);
  settings.setValue(SettingsKeys::kFormHeight, values.Height);
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
