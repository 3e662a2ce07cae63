#include "desktop/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>

namespace korvane {

QRect ClampPlacement(const QRect &rect, const QSize &screen) {
  int left = rect.left();
  int top = rect.top();
  if (left < 0)
    left = 0;
  if (top < 0)
    top = 0;
  if (left > screen.width() - 100)
    left = screen.width() - 200;
  if (top > screen.height() - 100)
    top = screen.height() - 200;
  return {left, top, rect.width(), rect.height()};
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

QRect KeepOnDesktop(const QRect &frame) {
  QList<QRect> screens;
  for (const QScreen *screen : QGuiApplication::screens())
    screens << screen->availableGeometry();
  const QPoint fallback = QGuiApplication::primaryScreen()
                              ? QGuiApplication::primaryScreen()->availableGeometry().topLeft()
                              : QPoint(0, 0);
  return KeepOnScreens(frame, screens, fallback);
}

namespace {

int ReadInt(const QSettings &settings, const QString &key, int fallback) {
  bool ok = false;
  const int value = settings.value(key).toString().trimmed().toInt(&ok);
  return ok ? value : fallback;
}

} // namespace

QRect ReadWindowRect(const QSettings &settings, const QString &group, const QRect &defaults) {
  const QString at = group + QLatin1Char('/');
  return QRect(ReadInt(settings, at + QStringLiteral("Left"), defaults.left()),
               ReadInt(settings, at + QStringLiteral("Top"), defaults.top()),
               ReadInt(settings, at + QStringLiteral("Width"), defaults.width()),
               ReadInt(settings, at + QStringLiteral("Height"), defaults.height()));
}

bool HasWindowRect(const QSettings &settings, const QString &group) {
  return settings.contains(group + QStringLiteral("/Width"));
}

void WriteWindowRect(QSettings &settings, const QString &group, const QRect &rect) {
  const QString at = group + QLatin1Char('/');
  settings.setValue(at + QStringLiteral("Left"), rect.left());
  settings.setValue(at + QStringLiteral("Top"), rect.top());
  settings.setValue(at + QStringLiteral("Width"), rect.width());
  settings.setValue(at + QStringLiteral("Height"), rect.height());
}

TWindowPlacement ReadWindowPlacement(QSettings &settings, const QString &group,
                                     const TWindowPlacement &defaults) {
  TWindowPlacement p = defaults;
  const QRect rect = ReadWindowRect(
      settings, group, QRect(defaults.left, defaults.top, defaults.width, defaults.height));
  p.left = rect.left();
  p.top = rect.top();
  p.width = rect.width();
  p.height = rect.height();
  settings.beginGroup(group);
  // A window of no size cannot be grabbed again: fall back to the design size.
  if (p.width <= 0 || p.height <= 0) {
    p.width = defaults.width;
    p.height = defaults.height;
  }
  p.visible = settings.value(QStringLiteral("Visible"), defaults.visible).toBool();
  p.winState = ReadInt(settings, QStringLiteral("WinState"), defaults.winState);
  settings.endGroup();
  return p;
}

void WriteWindowPlacement(QSettings &settings, const QString &group,
                          const TWindowPlacement &placement) {
  WriteWindowRect(settings, group,
                  QRect(placement.left, placement.top, placement.width, placement.height));
  settings.beginGroup(group);
  settings.setValue(QStringLiteral("Visible"), placement.visible);
  settings.setValue(QStringLiteral("WinState"), placement.winState);
  settings.endGroup();
}

void RestoreWindowPlacement(QWidget &window, const TWindowPlacement &placement) {
  QSize screen(1024, 768);
  if (const QScreen *primary = QGuiApplication::primaryScreen())
    screen = primary->geometry().size();
  const QRect r = ClampPlacement(
      QRect(placement.left, placement.top, placement.width, placement.height), screen);
  window.move(r.topLeft());
  window.resize(r.size());
  window.setWindowState(placement.winState == 2 ? Qt::WindowMaximized : Qt::WindowNoState);
}

TWindowPlacement CurrentWindowPlacement(const QWidget &window) {
  TWindowPlacement p;
  const bool maximised = window.isMaximized();
  const QRect normal = maximised ? window.normalGeometry() : window.geometry();
  const QPoint frame = maximised ? normal.topLeft() : window.pos();
  p.left = frame.x();
  p.top = frame.y();
  p.width = normal.width();
  p.height = normal.height();
  p.visible = window.isVisible();
  p.winState = maximised ? 2 : window.isMinimized() ? 1 : 0;
  return p;
}

} // namespace korvane
