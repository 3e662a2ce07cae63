#pragma once
// Where the per-user settings live and the one setting the about box owns.
// Paths are worked out on every call from the environment, so a test that
// points XDG_CONFIG_HOME somewhere else is honoured at once.
#include <QString>

namespace korvane {

// $XDG_CONFIG_HOME/Tarnwell (or ~/.config/Tarnwell).
QString TarnwellConfigDir();
// The program's own settings: groups Form, Settings and ScrivelForm.
QString KorvaneSettingsFile();
// The maker's settings shared by its programs: group Tarnwell.
QString MakerSettingsFile();

// "Settings" / "SplashScreen"; false when missing or unreadable.
bool ReadSplashScreen(const QString &settingsFile);
// Writes the value and flushes the file at once (QSettings replaces the file
// atomically). False when the file could not be written.
bool WriteSplashScreen(const QString &settingsFile, bool on);

} // namespace korvane
