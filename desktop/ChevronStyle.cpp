#include "desktop/ChevronStyle.h"

#include <QPainter>

#include "desktop/DrawnIcon.h"

namespace korvane {

QIcon TChevronStyle::standardIcon(StandardPixmap icon, const QStyleOption *option,
                                  const QWidget *widget) const {
  if (icon != SP_ToolBarHorizontalExtensionButton)
    return QProxyStyle::standardIcon(icon, option, widget);
  return DrawnIcon([](QPainter &p) {
    p.setPen(QPen(QColor(0x2f, 0x3b, 0x48), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF first[3] = {{4.5, 4.5}, {8.0, 8.0}, {4.5, 11.5}};
    const QPointF second[3] = {{8.5, 4.5}, {12.0, 8.0}, {8.5, 11.5}};
    p.drawPolyline(first, 3);
    p.drawPolyline(second, 3);
  });
}

} // namespace korvane
