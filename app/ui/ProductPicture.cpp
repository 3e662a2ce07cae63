#include "app/ui/ProductPicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace korvane {

namespace {

// The drawing is made on a 100 x 100 board; the painter scales it to the frame.
constexpr double kBoard = 100.0;

// Isometric axes of the rectangular end and the ellipse of the round end.
const QPointF kAxisX(0.866, 0.5);
const QPointF kAxisY(-0.866, 0.5);
const QPointF kBase(50.0, 64.0); // centre of the rectangular end's top face
constexpr double kHalfWidth = 21.0;
constexpr double kHalfDepth = 14.0;
constexpr double kBoxHeight = 12.0;
constexpr double kCollarRx = 16.0;
constexpr double kCollarRy = 8.0;
constexpr double kCollarBottom = 30.0; // y of the collar's lower ellipse centre
constexpr double kCollarTop = 19.0;

const QColor kOutline(52, 64, 80);
const QColor kSeam(52, 64, 80, 90);

QPointF Corner(double sx, double sy) {
  return kBase + kAxisX * (sx * kHalfWidth) + kAxisY * (sy * kHalfDepth);
}

QPointF OnEllipse(double cy, double angle) {
  return {50.0 + kCollarRx * std::cos(angle), cy + kCollarRy * std::sin(angle)};
}

QLinearGradient Metal(QPointF from, QPointF to, QColor light, QColor dark) {
  QLinearGradient g(from, to);
  g.setColorAt(0.0, light);
  g.setColorAt(0.55, light.darker(108));
  g.setColorAt(1.0, dark);
  return g;
}

void DrawBackground(QPainter &p) {
  QRadialGradient glow(QPointF(50, 42), 70);
  glow.setColorAt(0.0, QColor(255, 255, 255));
  glow.setColorAt(1.0, QColor(206, 218, 232));
  p.fillRect(QRectF(0, 0, kBoard, kBoard), glow);
  // A soft shadow where the fitting stands.
  QRadialGradient shadow(QPointF(50, 90), 38);
  shadow.setColorAt(0.0, QColor(40, 55, 75, 70));
  shadow.setColorAt(1.0, QColor(40, 55, 75, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(shadow);
  p.drawEllipse(QPointF(50, 90), 40, 8);
}

// The rectangular end: two visible sides of a short duct stub and its flange.
void DrawRectangularEnd(QPainter &p) {
  const QPointF left = Corner(-1, 1), front = Corner(1, 1), right = Corner(1, -1);
  const QPointF down(0, kBoxHeight);
  p.setPen(QPen(kOutline, 0.7));
  p.setBrush(Metal(left, front + down, QColor(236, 241, 247), QColor(170, 182, 198)));
  p.drawPolygon(QPolygonF({left, front, front + down, left + down}));
  p.setBrush(Metal(front, right + down, QColor(190, 201, 214), QColor(128, 142, 160)));
  p.drawPolygon(QPolygonF({front, right, right + down, front + down}));
  // The flange: a darker band just below the joint with the transition.
  const QPointF band(0, 2.2);
  p.setBrush(QColor(96, 110, 128));
  p.drawPolygon(QPolygonF({left, front, right, right + band, front + band, left + band}));
}

// The transition body from the rectangle up to the round collar, with the
// fold lines a sheet-metal worker would mark out.
void DrawTransition(QPainter &p) {
  const QPointF left = Corner(-1, 1), front = Corner(1, 1), right = Corner(1, -1);
  const double pi = std::numbers::pi;
  QPainterPath body(left);
  body.lineTo(front);
  body.lineTo(right);
  body.lineTo(OnEllipse(kCollarBottom, 0.0));
  for (int i = 1; i <= 24; ++i) // the front half of the collar's lower ellipse
    body.lineTo(OnEllipse(kCollarBottom, pi * i / 24.0));
  body.closeSubpath();
  p.setPen(QPen(kOutline, 0.7));
  p.setBrush(Metal(QPointF(20, 40), QPointF(80, 60), QColor(242, 246, 250), QColor(150, 164, 182)));
  p.drawPath(body);

  p.setPen(QPen(kSeam, 0.45));
  for (int i = 0; i <= 6; ++i) // fans from the three visible corners
    p.drawLine(front, OnEllipse(kCollarBottom, pi * (0.25 + 0.5 * i / 6.0)));
  for (int i = 0; i <= 3; ++i) {
    p.drawLine(left, OnEllipse(kCollarBottom, pi * (0.75 + 0.25 * i / 3.0)));
    p.drawLine(right, OnEllipse(kCollarBottom, pi * (0.25 * i / 3.0)));
  }
}

// The round spigot on top, with a rolled bead and the open end.
void DrawCollar(QPainter &p) {
  const double pi = std::numbers::pi;
  QPainterPath side(OnEllipse(kCollarTop, 0.0));
  side.lineTo(OnEllipse(kCollarBottom, 0.0));
  for (int i = 1; i <= 24; ++i)
    side.lineTo(OnEllipse(kCollarBottom, pi * i / 24.0));
  side.lineTo(OnEllipse(kCollarTop, pi));
  for (int i = 23; i >= 0; --i)
    side.lineTo(OnEllipse(kCollarTop, pi * i / 24.0));
  side.closeSubpath();
  QLinearGradient round(QPointF(50 - kCollarRx, 0), QPointF(50 + kCollarRx, 0));
  round.setColorAt(0.0, QColor(160, 174, 192));
  round.setColorAt(0.35, QColor(248, 250, 253));
  round.setColorAt(1.0, QColor(118, 132, 152));
  p.setPen(QPen(kOutline, 0.7));
  p.setBrush(round);
  p.drawPath(side);

  QPainterPath bead(OnEllipse((kCollarTop + kCollarBottom) / 2, 0.0));
  for (int i = 1; i <= 24; ++i)
    bead.lineTo(OnEllipse((kCollarTop + kCollarBottom) / 2, pi * i / 24.0));
  p.setPen(QPen(kSeam, 0.6));
  p.setBrush(Qt::NoBrush);
  p.drawPath(bead);

  QRadialGradient inside(QPointF(50, kCollarTop + 2), kCollarRx);
  inside.setColorAt(0.0, QColor(40, 48, 60));
  inside.setColorAt(1.0, QColor(92, 104, 120));
  p.setPen(QPen(kOutline, 0.9));
  p.setBrush(inside);
  p.drawEllipse(QPointF(50, kCollarTop), kCollarRx, kCollarRy);
}

} // namespace

void DrawProductPicture(QPainter &painter, const QRectF &frame) {
  if (frame.width() <= 0 || frame.height() <= 0)
    return;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.translate(frame.topLeft());
  painter.scale(frame.width() / kBoard, frame.height() / kBoard);
  DrawBackground(painter);
  DrawRectangularEnd(painter);
  DrawTransition(painter);
  DrawCollar(painter);
  painter.restore();
}

QPixmap ProductPicture(const QSize &size) {
  QPixmap pixmap(size.expandedTo(QSize(1, 1)));
  pixmap.fill(Qt::white);
  QPainter painter(&pixmap);
  DrawProductPicture(painter, QRectF(QPointF(0, 0), QSizeF(pixmap.size())));
  return pixmap;
}

} // namespace korvane
