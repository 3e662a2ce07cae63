#include "costs/ui/ScrivelPrinter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinterInfo>

namespace korvane {

namespace {
constexpr double kLeftMm = 25, kRightMm = 15, kTopMm = 25, kBottomMm = 25, kHeaderMm = 15;
} // namespace

TScrivelPrinter::TScrivelPrinter() : QsciPrinter(QPrinter::HighResolution) {
  // Measured from the paper's edge: the margins below are the whole margins.
  setFullPage(true);
  setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

bool TScrivelPrinter::HasTarget() const {
  if (outputFormat() == QPrinter::PdfFormat)
    return !outputFileName().isEmpty();
  return !printerName().isEmpty() && !QPrinterInfo::printerInfo(printerName()).isNull();
}

int TScrivelPrinter::MmToPixels(double mm, bool vertical) const {
  const int dpi = vertical ? logicalDpiY() : logicalDpiX();
  return qRound(mm * dpi / 25.4);
}

void TScrivelPrinter::formatPage(QPainter &painter, bool drawing, QRect &area, int pagenr) {
  const QRect page = area;
  area =
      QRect(QPoint(page.left() + MmToPixels(kLeftMm, false), page.top() + MmToPixels(kTopMm, true)),
            QPoint(page.right() - MmToPixels(kRightMm, false),
                   page.bottom() - MmToPixels(kBottomMm, true)));
  if (!drawing)
    return;
  painter.save();
  QFont font(QStringLiteral("Arial"));
  font.setPointSize(10);
  painter.setFont(font);
  painter.setPen(Qt::black);
  const QFontMetrics fm(font, painter.device());
  const int headerTop = page.top() + MmToPixels(kHeaderMm, true);
  painter.drawText(area.left(), headerTop + fm.ascent(), header_);
  const QString footer = QStringLiteral("Page %1").arg(pagenr);
  const int footerBottom = page.bottom() - MmToPixels(kHeaderMm, true);
  painter.drawText(area.right() - fm.horizontalAdvance(footer), footerBottom - fm.descent(),
                   footer);
  painter.restore();
}

} // namespace korvane
