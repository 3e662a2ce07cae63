#include "bill/ui/QuotePrint.h"

#include <QFont>
#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>

#include <array>
#include <numeric>

namespace korvane {

namespace {

using TKind = TQuoteText::TKind;

// Relative widths of the item table's columns: the sizes need the most.
constexpr std::array<int, kJobColumnCount> kColumnWeights = {5, 15, 17, 9, 11, 12, 8, 10, 11};

QString Text(const std::string &s) {
  return QString::fromStdString(s);
}

// One pass over the quote. The first pass only counts the pages, so the
// second can print "Page n of N" on each.
class TQuotePass {
public:
  TQuotePass(TPageSurface &surface, const TQuoteContent &content, int pages, TQuoteLayout *record)
      : surface_(surface), painter_(surface.Painter()), content_(content), pages_(pages),
        record_(record) {
    const QPaintDevice *device = painter_.device();
    const double mm = (device ? device->logicalDpiY() : 96) / 25.4;
    const QSize size = surface.PageSize();
    left_ = static_cast<int>(15 * mm);
    right_ = size.width() - static_cast<int>(15 * mm);
    top_ = static_cast<int>(15 * mm);
    footer_ = size.height() - static_cast<int>(12 * mm);
    bottom_ = footer_ - static_cast<int>(5 * mm);
    body_ = QFont(QStringLiteral("Arial"), 9);
    bold_ = body_;
    bold_.setBold(true);
    title_ = QFont(QStringLiteral("Arial"), 14, QFont::Bold);
    const int total = std::accumulate(kColumnWeights.begin(), kColumnWeights.end(), 0);
    int weight = 0;
    edges_[0] = left_;
    for (int c = 0; c < kJobColumnCount; ++c) {
      weight += kColumnWeights[static_cast<std::size_t>(c)];
      edges_[static_cast<std::size_t>(c) + 1] = left_ + (right_ - left_) * weight / total;
    }
    if (record_)
      record_->Bottom = bottom_;
  }

  bool Run() {
    const TJobInfo &info = content_.Job.Info();
    Put(TKind::Title, title_, left_, right_, "Quote: " + content_.Title);
    Put(TKind::Info, body_, left_, right_, "Date: " + content_.Date);
    Put(TKind::Info, body_, left_, right_,
        "Cost file: " + Text(info.CostFile) + " (reference date " + Text(info.ReferenceDate) + ")");
    Gap();
    inTable_ = true;
    Heading();
    for (const TJobRow &row : content_.Job.Rows()) {
      if (!Room(LineHeight(body_)))
        return false;
      for (int c = 0; c < kJobColumnCount; ++c)
        PutCell(TKind::Cell, body_, c, Text(row.Cells[static_cast<std::size_t>(c)]));
      y_ += LineHeight(body_);
    }
    inTable_ = false;
    const TJobSummary &s = content_.Summary;
    List("Sheet per gauge", s.Sheets);
    List("Insulation", s.Insulation);
    if (!s.Notes.empty()) {
      Gap();
      Put(TKind::Section, bold_, left_, right_, QStringLiteral("Lines not in this quote"));
      for (const TJobNote &note : s.Notes)
        Put(TKind::Note, body_, left_, right_, Text(note.Text));
    }
    Gap();
    Put(TKind::Total, bold_, left_, right_, "Total sheet: " + Text(s.Sheet));
    Put(TKind::Total, bold_, left_, right_, "Total price: " + Text(s.Total));
    Footer();
    return ok_;
  }

  int Pages() const { return page_ + 1; }

private:
  int LineHeight(const QFont &font) const {
    return QFontMetrics(font, painter_.device()).height() * 6 / 5;
  }

  void Gap() { y_ += LineHeight(body_) / 2; }

  // Starts a new page when `height` more does not fit; the table's heading
  // comes again at the top of a page the table runs onto.
  bool Room(int height) {
    if (y_ + height <= bottom_)
      return ok_;
    Footer();
    ++page_;
    y_ = top_;
    if (drawing() && !surface_.NewPage())
      ok_ = false;
    if (inTable_)
      Heading();
    return ok_;
  }

  bool drawing() const { return record_ != nullptr; }

  void Record(TKind kind, int x, int column, const QString &text) {
    if (record_)
      record_->Texts.push_back({kind, page_, x, y_, column, text});
  }

  // A line of its own, left-aligned between `x` and `right`.
  void Put(TKind kind, const QFont &font, int x, int right, const QString &text) {
    const int h = LineHeight(font);
    if (!Room(h))
      return;
    Draw(font, QRect(x, y_, right - x, h), Qt::AlignLeft, text);
    Record(kind, x, -1, text);
    y_ += h;
  }

  void PutCell(TKind kind, const QFont &font, int column, const QString &text) {
    const auto c = static_cast<std::size_t>(column);
    const int pad = LineHeight(font) / 4;
    const QRect box(edges_[c] + pad, y_, edges_[c + 1] - edges_[c] - 2 * pad, LineHeight(font));
    const bool number = JobColumnIsNumber(static_cast<TJobColumn>(column));
    Draw(font, box, number ? Qt::AlignRight : Qt::AlignLeft, text);
    Record(kind, box.x(), column, text);
  }

  void Draw(const QFont &font, const QRect &box, Qt::Alignment align, const QString &text) {
    if (!drawing())
      return;
    painter_.setFont(font);
    painter_.drawText(box, static_cast<int>(align | Qt::AlignVCenter), text);
  }

  void Heading() {
    const int h = LineHeight(bold_);
    if (y_ + 2 * h > bottom_ && !Room(2 * h))
      return;
    for (int c = 0; c < kJobColumnCount; ++c)
      PutCell(TKind::Heading, bold_, c,
              Text(std::string(JobColumnTitle(static_cast<TJobColumn>(c)))));
    y_ += h;
    if (drawing())
      painter_.drawLine(left_, y_, right_, y_);
    y_ += h / 6;
  }

  void List(const char *title, const std::vector<TJobListRow> &rows) {
    if (rows.empty())
      return;
    Gap();
    Put(TKind::Section, bold_, left_, right_, QString::fromUtf8(title));
    const int width = (right_ - left_) / 4;
    for (const TJobListRow &row : rows) {
      const int h = LineHeight(body_);
      if (!Room(h))
        return;
      for (int i = 0; i < 3; ++i) {
        const int x = left_ + i * width;
        Draw(body_, QRect(x, y_, width, h), i == 0 ? Qt::AlignLeft : Qt::AlignRight,
             Text(row[static_cast<std::size_t>(i)]));
        Record(TKind::ListRow, x, -1, Text(row[static_cast<std::size_t>(i)]));
      }
      y_ += h;
    }
  }

  void Footer() {
    const QString text = QStringLiteral("Page %1 of %2").arg(page_ + 1).arg(pages_);
    const int saved = y_;
    y_ = footer_;
    Draw(body_, QRect(left_, footer_, right_ - left_, LineHeight(body_)), Qt::AlignHCenter, text);
    Record(TKind::PageNumber, left_, -1, text);
    y_ = saved;
  }

  TPageSurface &surface_;
  QPainter &painter_;
  const TQuoteContent &content_;
  int pages_;
  TQuoteLayout *record_;
  int left_ = 0, right_ = 0, top_ = 0, bottom_ = 0, footer_ = 0;
  std::array<int, kJobColumnCount + 1> edges_{};
  QFont body_, bold_, title_;
  int page_ = 0;
  int y_ = 0;
  bool inTable_ = false;
  bool ok_ = true;

public:
  void Start() { y_ = top_; }
};

} // namespace

bool LayoutQuote(TPageSurface &surface, const TQuoteContent &content, TQuoteLayout &layout) {
  layout = {};
  TQuotePass count(surface, content, 0, nullptr);
  count.Start();
  count.Run();
  TQuotePass draw(surface, content, count.Pages(), &layout);
  draw.Start();
  const bool ok = draw.Run();
  layout.Pages = draw.Pages();
  return ok;
}

} // namespace korvane
