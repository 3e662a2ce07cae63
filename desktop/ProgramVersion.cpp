#include "desktop/ProgramVersion.h"

namespace korvane {

TFileVersion ProgramFileVersion() {
  return {KORVANE_VERSION_MAJOR, KORVANE_VERSION_MINOR, KORVANE_VERSION_PATCH,
          KORVANE_VERSION_TWEAK};
}

QString ProgramProductName() {
  return QStringLiteral(KORVANE_PRODUCT_NAME);
}

QString FileVersionText(const TFileVersion &v) {
  return QStringLiteral("%1.%2.%3.%4").arg(v.major).arg(v.minor).arg(v.release).arg(v.build);
}

QString ProductCaption() {
  return ProgramProductName() + QLatin1Char(' ') + FileVersionText(ProgramFileVersion());
}

QString VersionWithoutBuild(const TFileVersion &v) {
  return QStringLiteral("%1.%2.%3").arg(v.major).arg(v.minor).arg(v.release);
}

} // namespace korvane
