#include "app/ui/ToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "desktop/DrawnIcon.h"

namespace korvane {

namespace {

void DrawGlyph(QPainter &p, TToolGlyph glyph) {
  const QColor ink(0x2f, 0x3b, 0x48);
  QPen pen(ink, 1.0);
  pen.setJoinStyle(Qt::RoundJoin);
  p.setPen(pen);
  switch (glyph) {
  case TToolGlyph::Open: {
    // A folder with its flap open.
    p.setBrush(QColor(0xe8, 0xc0, 0x5a));
    QPainterPath back;
    back.moveTo(1.5, 3.5);
    back.lineTo(6.0, 3.5);
    back.lineTo(7.5, 5.0);
    back.lineTo(13.5, 5.0);
    back.lineTo(13.5, 13.5);
    back.lineTo(1.5, 13.5);
    back.closeSubpath();
    p.drawPath(back);
    p.setBrush(QColor(0xf6, 0xd7, 0x7e));
    const QPointF flap[4] = {{1.5, 13.5}, {4.0, 7.5}, {15.0, 7.5}, {13.5, 13.5}};
    p.drawPolygon(flap, 4);
    break;
  }
  case TToolGlyph::Save: {
    // A diskette: body, shutter and label.
    p.setBrush(QColor(0x4a, 0x78, 0xb0));
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    p.setBrush(QColor(0xf4, 0xf6, 0xf8));
    p.drawRect(QRectF(4.0, 1.5, 8, 5));
    p.drawRect(QRectF(3.5, 9.5, 9, 5));
    break;
  }
  case TToolGlyph::Copy: {
    // Two sheets, one over the other.
    p.setBrush(QColor(0xf4, 0xf6, 0xf8));
    p.drawRect(QRectF(1.5, 1.5, 8, 10));
    p.drawRect(QRectF(6.5, 4.5, 8, 10));
    p.drawLine(QPointF(8.5, 7.5), QPointF(12.5, 7.5));
    p.drawLine(QPointF(8.5, 9.5), QPointF(12.5, 9.5));
    p.drawLine(QPointF(8.5, 11.5), QPointF(11.0, 11.5));
    break;
  }
  case TToolGlyph::Solve: {
    // A pocket calculator.
    p.setBrush(QColor(0xd9, 0xdd, 0xe2));
    p.drawRoundedRect(QRectF(3.5, 0.5, 9, 15), 1.5, 1.5);
    p.setBrush(QColor(0x9c, 0xd0, 0x8f));
    p.drawRect(QRectF(5.0, 2.0, 6, 3));
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    for (int r = 0; r < 3; ++r)
      for (int c = 0; c < 3; ++c)
        p.drawRect(QRectF(5.0 + c * 2.2, 7.0 + r * 2.6, 1.4, 1.4));
    break;
  }
  case TToolGlyph::Help: {
    // A question mark in a blue disc.
    p.setBrush(QColor(0x3d, 0x7e, 0xc9));
    p.drawEllipse(QRectF(1.0, 1.0, 14, 14));
    // Drawn with strokes, not a font: a glyph of text would load the font
    // database before the window's first frame.
    QPen mark(Qt::white, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(mark);
    p.setBrush(Qt::NoBrush);
    QPainterPath hook;
    hook.moveTo(5.6, 6.0);
    hook.arcTo(QRectF(5.6, 3.6, 4.8, 4.8), 180.0, -240.0);
    hook.quadTo(8.0, 8.6, 8.0, 10.0);
    p.drawPath(hook);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(6.9, 11.4, 2.2, 2.2));
    break;
  }
  case TToolGlyph::Close: {
    // A door left ajar, the way out.
    p.setBrush(QColor(0xb0, 0x6a, 0x3b));
    p.drawRect(QRectF(3.5, 1.5, 9, 13));
    p.setBrush(QColor(0x7a, 0x45, 0x22));
    const QPointF door[4] = {{3.5, 1.5}, {9.0, 3.0}, {9.0, 15.5}, {3.5, 14.5}};
    p.drawPolygon(door, 4);
    p.setBrush(QColor(0xf0, 0xd0, 0x60));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(7.6, 9.0), 0.9, 0.9);
    break;
  }
  }
}

// The elbow of data/korvane.svg, drawn on a 64-unit square.
void DrawElbow(QPainter &p) {
  QPainterPath bend;
  bend.moveTo(8, 14);
  bend.lineTo(20, 14);
  bend.arcTo(QRectF(-10, 14, 60, 60), 90, -90);
  bend.lineTo(50, 56);
  bend.lineTo(32, 56);
  bend.lineTo(32, 44);
  bend.arcTo(QRectF(8, 32, 24, 24), 0, 90);
  bend.lineTo(8, 32);
  bend.closeSubpath();
  QPen outline(QColor(0x3b, 0x4a, 0x5a), 2.0);
  outline.setJoinStyle(Qt::RoundJoin);
  p.setPen(outline);
  p.setBrush(QColor(0xc9, 0xd3, 0xdc));
  p.drawPath(bend);
  p.setPen(QPen(QColor(0x5d, 0x6d, 0x7e), 1.2));
  p.drawLine(QPointF(20, 14), QPointF(20, 32));
  p.drawLine(QPointF(41.2, 22.8), QPointF(28.5, 35.5));
  p.drawLine(QPointF(50, 44), QPointF(32, 44));
  p.setPen(QPen(QColor(0x7b, 0x24, 0x1c), 1.0));
  p.setBrush(QColor(0xc0, 0x39, 0x2b));
  p.drawRoundedRect(QRectF(4, 11, 5, 24), 1, 1);
  p.drawRoundedRect(QRectF(29, 55, 24, 5), 1, 1);
}

} // namespace

QIcon ProgramIcon() {
  QIcon icon;
  for (const int size : {16, 32, 64}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(size / 64.0, size / 64.0);
    DrawElbow(p);
    p.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

QIcon ToolIcon(TToolGlyph glyph) {
  return DrawnIcon([glyph](QPainter &p) { DrawGlyph(p, glyph); });
}

} // namespace korvane
