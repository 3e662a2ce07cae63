#include "desktop/UrlOpener.h"

#include <QDesktopServices>

namespace korvane {

bool OpenWithDesktop(const QUrl &url) {
  return QDesktopServices::openUrl(url);
}

bool OpenUrlWith(const TUrlOpener &opener, const QUrl &url) {
  return opener ? opener(url) : OpenWithDesktop(url);
}

} // namespace korvane
