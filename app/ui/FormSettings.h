#pragma once
// The main window's settings: its place and size ("Form") and the last cost
// file that loaded through the Options page ("Settings" / "LastCostFile").
#include <QString>

#include "costs/MakerFolders.h"

namespace korvane {

struct TFormSettings {
  int Left = 412;
  int Top = 199;
  int Width = 0; // 0: the window's design size
  int Height = 0;
  QString LastCostFile = QString::fromUtf8(kDefaultCostFile);
};

// Reads the settings file; a missing file or value gives the value of
// `defaults`, and so does a value that is not a whole number.
TFormSettings ReadFormSettings(const QString &settingsFile, const TFormSettings &defaults);

// Writes all five values at once (the file is replaced atomically). False
// when the file could not be written.
bool WriteFormSettings(const QString &settingsFile, const TFormSettings &settings);

} // namespace korvane
