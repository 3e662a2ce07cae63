#pragma once
// What page layout code needs of a print job: a painter, the page size in
// the painter's device pixels and a way to start a fresh page. The printer,
// a PDF writer in the tests or anything else paged can stand behind it.
#include <QSize>

class QPagedPaintDevice;
class QPainter;

namespace korvane {

class TPageSurface {
public:
  virtual ~TPageSurface() = default;
  virtual QPainter &Painter() = 0;
  virtual QSize PageSize() const = 0;
  // False when the device could not start a new page.
  virtual bool NewPage() = 0;
};

// A paged paint device (QPrinter, QPdfWriter) with a painter already begun on it.
class TPagedDeviceSurface : public TPageSurface {
public:
  TPagedDeviceSurface(QPagedPaintDevice &device, QPainter &painter)
      : device_(device), painter_(painter) {}
  QPainter &Painter() override { return painter_; }
  QSize PageSize() const override;
  bool NewPage() override;

private:
  QPagedPaintDevice &device_;
  QPainter &painter_;
};

} // namespace korvane
