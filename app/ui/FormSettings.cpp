#include "app/ui/FormSettings.h"

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
  out.Left = ReadInt(settings, QStringLiteral("Form/Left"), defaults.Left);
  out.Top = ReadInt(settings, QStringLiteral("Form/Top"), defaults.Top);
  out.Width = ReadInt(settings, QStringLiteral("Form/Width"), defaults.Width);
  out.Height = ReadInt(settings, QStringLiteral("Form/Height"), defaults.Height);
  const QVariant last = settings.value(QStringLiteral("Settings/LastCostFile"));
  out.LastCostFile = last.isValid() ? last.toString() : defaults.LastCostFile;
  return out;
}

bool WriteFormSettings(const QString &settingsFile, const TFormSettings &values) {
  QSettings settings(settingsFile, QSettings::IniFormat);
  settings.setValue(QStringLiteral("Form/Left"), values.Left);
  settings.setValue(QStringLiteral("Form/Top"), values.Top);
  settings.setValue(QStringLiteral("Form/Width"), values.Width);
  settings.setValue(QStringLiteral("Form/Height"), values.Height);
  settings.setValue(QStringLiteral("Settings/LastCostFile"), values.LastCostFile);
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
