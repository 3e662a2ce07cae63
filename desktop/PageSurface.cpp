#include "desktop/PageSurface.h"

#include <QPagedPaintDevice>

namespace korvane {

QSize TPagedDeviceSurface::PageSize() const {
  return {device_.width(), device_.height()};
}

bool TPagedDeviceSurface::NewPage() {
  return device_.newPage();
}

} // namespace korvane
