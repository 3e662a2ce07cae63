#pragma once
// Where a window was left: stored in the per-user settings file when it
// closes, restored (kept on the screen) when it is created again.
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

class QSettings;
class QWidget;

namespace korvane {

struct TWindowPlacement {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool visible = false;
  int winState = 0; // 0 normal, 1 minimised, 2 maximised
};

// Keeps a window reachable: a negative left or top becomes 0; a left past
// the screen width minus 100 becomes the screen width minus 200, and the same
// for top with the screen height. The size is kept.
QRect ClampPlacement(const QRect &rect, const QSize &screen);

// A window's frame kept reachable: when its title bar would lie on no screen
// in `screens`, it moves back to `fallback` as its top left.
QRect KeepOnScreens(const QRect &frame, const QList<QRect> &screens, const QPoint &fallback);
// The same on the desktop's screens now (their room left by panels), with
// the primary screen's top left as the fallback.
QRect KeepOnDesktop(const QRect &frame);

// The window's place and size, the keys "Left", "Top", "Width" and "Height"
// of a settings group; a value that is missing or not a whole number keeps
// that of `defaults`. Every window keeps its place through these.
QRect ReadWindowRect(const QSettings &settings, const QString &group, const QRect &defaults);
void WriteWindowRect(QSettings &settings, const QString &group, const QRect &rect);
// Whether a window's place was ever stored in the group.
bool HasWindowRect(const QSettings &settings, const QString &group);

// Reads "Left", "Top", "Width", "Height", "Visible" and "WinState" of a
// settings group; missing or unreadable values keep those of `defaults`.
TWindowPlacement ReadWindowPlacement(QSettings &settings, const QString &group,
                                     const TWindowPlacement &defaults);
void WriteWindowPlacement(QSettings &settings, const QString &group,
                          const TWindowPlacement &placement);

// Applies a stored placement (clamped to the primary screen) to a window that
// is not shown yet. A window left minimised comes back in its normal state:
// a modal window that opens minimised would look like a hung program.
void RestoreWindowPlacement(QWidget &window, const TWindowPlacement &placement);
// The window's placement now; when maximised, its normal geometry.
TWindowPlacement CurrentWindowPlacement(const QWidget &window);

} // namespace korvane
