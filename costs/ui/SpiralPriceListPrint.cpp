#include "costs/ui/SpiralPriceListPrint.h"

#include <QDate>
#include <QFontMetrics>
#include <QLocale>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <cmath>

namespace korvane {

namespace {

constexpr int kBodyPoints = 15;
constexpr int kTitlePoints = 18;
constexpr int kHeadingPoints = 12;

int RoundToInt(double v) {
  return static_cast<int>(std::lround(v));
}

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The pen of the list: it writes texts at the current line and moves down
// line by line, breaking to a new page at the bottom limit.
class TListWriter {
public:
  TListWriter(TPageSurface &surface, TPriceListLayout &layout)
      : surface_(surface), painter_(surface.Painter()), layout_(layout) {
    if (!painter_.isActive())
      throw EPrintError("no active painter");
    SetFont(kBodyPoints, false);
    const QSize x = Extent(QStringLiteral("X"));
    const QSize page = surface.PageSize();
    layout_.topMargin = 3 * x.height();
    layout_.leftMargin = 6 * x.width();
    layout_.rightEdge = page.width() - 4 * x.width();
    layout_.bottomLimit = page.height() - layout_.topMargin;
    layout_.pages = 1;
  }

  void SetFont(int points, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(points);
    font.setBold(bold);
    painter_.setFont(font);
  }

  QSize Extent(const QString &text) const {
    const QFontMetrics fm = painter_.fontMetrics();
    return {fm.horizontalAdvance(text), fm.height()};
  }

  void StartGroup(int group) {
    group_ = group;
    y_ = layout_.topMargin;
  }

  void NewPage() {
    if (!surface_.NewPage())
      throw EPrintError("the printer could not start a new page");
    ++page_;
    layout_.pages = page_ + 1;
  }

  void NewLine() {
    y_ += Extent(QStringLiteral("X")).height();
    if (y_ > layout_.bottomLimit) {
      NewPage();
      y_ = layout_.topMargin;
    }
  }

  void Out(int x, const QString &text, TLaidText::TKind kind, int column, int line) {
    painter_.drawText(x, y_ + painter_.fontMetrics().ascent(), text);
    layout_.texts.push_back({kind, group_, page_, x, y_, Extent(text).width(), column, line, text});
  }

  int Width(const QString &text) const { return Extent(text).width(); }

private:
  TPageSurface &surface_;
  QPainter &painter_;
  TPriceListLayout &layout_;
  int page_ = 0;
  int group_ = 0;
  int y_ = 0;
};

void PrintGroup(TListWriter &pen, TPriceListLayout &layout, int g, const TFittingGroup &group,
                const TSpiralPriceTable &table, double factor, const QString &validFrom) {
  using TKind = TLaidText::TKind;
  const int left = layout.leftMargin;
  const int right = layout.rightEdge;
  pen.StartGroup(g);

  pen.SetFont(kTitlePoints, false);
  const QString title = FromUtf8(group.title);
  pen.Out(left + RoundToInt((right - left - pen.Width(title)) / 2.0), title, TKind::Title, -1, -1);
  pen.NewLine();
  pen.NewLine();

  const int n = static_cast<int>(group.columns.size());
  const std::vector<int> &b = layout.boundaries[static_cast<std::size_t>(g)] =
      PriceListColumnBoundaries(left, right, n);

  pen.SetFont(kHeadingPoints, false);
  for (int line = 0; line < 2; ++line) {
    const auto &cells = group.printedHeadings[static_cast<std::size_t>(line)];
    for (int i = 0; i < n; ++i) {
      const QString cell = FromUtf8(cells[static_cast<std::size_t>(i)]);
      const int x = b[std::size_t(i)] +
                    RoundToInt((b[std::size_t(i) + 1] - b[std::size_t(i)] - pen.Width(cell)) / 2.0);
      pen.Out(x, cell, TKind::Heading, i, line);
    }
    pen.NewLine();
  }

  pen.SetFont(kBodyPoints, false);
  pen.NewLine();
  for (std::size_t row = 0; row < kFittingRows; ++row) {
    const std::vector<std::string> cells = FittingRowCells(group, table, row, factor);
    for (int i = 0; i < n; ++i) {
      const QString cell = QString::fromStdString(cells[std::size_t(i)]);
      pen.Out(b[std::size_t(i) + 1] - pen.Width(cell), cell, TKind::Cell, i, int(row));
    }
    pen.NewLine();
  }

  pen.NewLine();
  pen.SetFont(kHeadingPoints, true);
  pen.Out(left, QStringLiteral("Valid from ") + validFrom, TKind::Footer, -1, 0);
  pen.NewLine();
  pen.SetFont(kHeadingPoints, false);
  pen.Out(left, QStringLiteral("All prices in rands."), TKind::Footer, -1, 1);
}

} // namespace

std::vector<int> PriceListColumnBoundaries(int left, int right, int n) {
  std::vector<int> b;
  if (n <= 0)
    return b;
  const double step = (right - left) / double(n + 1);
  b.push_back(left);
  const int b1 = left + RoundToInt(2 * step / 3);
  b.push_back(b1);
  for (int i = 2; i <= n; ++i)
    b.push_back(b1 + RoundToInt((i - 1) * step));
  return b;
}

TPriceListLayout LayoutSpiralPriceList(TPageSurface &surface, const TSpiralPriceTable &table,
                                       double factor, const QString &validFrom) {
  TPriceListLayout layout;
  TListWriter pen(surface, layout);
  const auto &groups = FittingGroups();
  for (std::size_t g = 0; g < groups.size(); ++g) {
    if (g > 0)
      pen.NewPage();
    PrintGroup(pen, layout, int(g), groups[g], table, factor, validFrom);
  }
  return layout;
}

QString ShortDateText(double refDate) {
  // Beyond a few thousand years either way the value is no date worth showing.
  if (!std::isfinite(refDate) || std::fabs(refDate) > 3.0e6)
    return {};
  const QDate date = QDate(1899, 12, 30).addDays(static_cast<qint64>(std::floor(refDate)));
  return QLocale::system().toString(date, QLocale::ShortFormat);
}

std::unique_ptr<QPagedPaintDevice> OpenDefaultPrinter(const QString &title) {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull())
    return nullptr;
  auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
  printer->setDocName(title);
  if (!printer->isValid())
    return nullptr;
  return printer;
}

bool PrintSpiralPriceList(const TSpiralPriceTable &table, const TCostRec &costs, TMessageSink &sink,
                          const TOpenPrintDevice &open) {
  std::unique_ptr<QPagedPaintDevice> device;
  try {
    device = open(QString::fromLatin1(kPriceListJobTitle));
    if (!device)
      throw EPrintError("no printer");
    QPainter painter;
    if (!painter.begin(device.get()))
      throw EPrintError("the print job could not start");
    try {
      TPagedDeviceSurface surface(*device, painter);
      LayoutSpiralPriceList(surface, table, costs.SpiralFittingFact, ShortDateText(costs.RefDate));
    } catch (...) {
      // Half a price list is worse than none: drop what was spooled.
      if (auto *printer = dynamic_cast<QPrinter *>(device.get()))
        printer->abort();
      painter.end();
      throw;
    }
    if (!painter.end())
      throw EPrintError("the print job could not be finished");
    return true;
  } catch (const std::exception &) {
    sink.Show(TMsgKind::Information, TMsgButtons::Ok, kPriceListPrintError);
    return false;
  }
}

} // namespace korvane
