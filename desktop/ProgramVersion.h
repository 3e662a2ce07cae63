#pragma once
// The product name and four-part file version, compiled in from the build.
#include <QString>

namespace korvane {

struct TFileVersion {
  int major = 0;
  int minor = 0;
  int release = 0;
  int build = 0;
};

TFileVersion ProgramFileVersion();
QString ProgramProductName();

// "1.2.2.0": the window caption's form.
QString FileVersionText(const TFileVersion &v);
// "Korvane 1.2.2.0": the caption of the program's windows.
QString ProductCaption();
// "1.2.2": the about box's form, without the build number.
QString VersionWithoutBuild(const TFileVersion &v);

} // namespace korvane
