#pragma once
// The product picture of the about box: a square-to-round transition drawn
// with vector paths, so it stays sharp at any size it is stretched to.
#include <QPixmap>
#include <QRectF>

class QPainter;

namespace korvane {

// Draws the picture filling `frame` (stretched when the frame is not square).
void DrawProductPicture(QPainter &painter, const QRectF &frame);

// The picture rendered at `size`.
QPixmap ProductPicture(const QSize &size = QSize(192, 192));

} // namespace korvane
