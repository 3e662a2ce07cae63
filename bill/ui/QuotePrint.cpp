#include "bill/ui/QuotePrint.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <numeric>

namespace korvane {

namespace {

using TKind = TQuoteText::TKind;

QString Text(const std::string &s) {
  return QString::fromStdString(s);
}

// Words wrap at their boundaries, and a word wider than its column breaks
// anywhere: nothing is ever cut off.
constexpr int kWrap = Qt::TextWordWrap | Qt::TextWrapAnywhere;

// One pass over the quote. The first pass only counts the pages, so the
// second can print "Page n of N" on each.
class TQuotePass {
public:
  TQuotePass(TPageSurface &surface, const TQuoteDocument &document, int pages, TQuoteLayout *record)
      : surface_(surface), painter_(surface.Painter()), document_(document), pages_(pages),
        record_(record) {
    const QPaintDevice *device = painter_.device();
    mm_ = (device ? device->logicalDpiY() : 96) / 25.4;
    const QSize size = surface.PageSize();
    left_ = static_cast<int>(15 * mm_);
    right_ = size.width() - static_cast<int>(15 * mm_);
    top_ = static_cast<int>(15 * mm_);
    footer_ = size.height() - static_cast<int>(12 * mm_);
    bottom_ = footer_ - static_cast<int>(5 * mm_);
    body_ = QFont(QStringLiteral("Arial"), 9);
    bold_ = body_;
    bold_.setBold(true);
    small_ = QFont(QStringLiteral("Arial"), 7);
    title_ = QFont(QStringLiteral("Arial"), 14, QFont::Bold);
    if (record_)
      record_->Bottom = bottom_;
  }

  bool Run() {
    y_ = top_;
    tableIndex_ = -1;
    Logo();
    Put(TKind::Title, title_, Text(document_.Title));
    Blocks();
    for (const auto &[name, value] : document_.Facts)
      Put(TKind::Info, body_, Text(name) + ": " + Text(value));
    tableIndex_ = 0;
    for (const TQuoteTable &table : document_.Tables) {
      Table(table);
      ++tableIndex_;
    }
    tableIndex_ = -1;
    for (const TQuoteBlock &paragraph : document_.Paragraphs) {
      Gap();
      Put(TKind::Section, bold_, Text(paragraph.Heading));
      for (const std::string &line : paragraph.Lines)
        Put(TKind::Paragraph, body_, Text(line));
    }
    Acceptance();
    Gap();
    Put(TKind::Footer, small_, Text(document_.Footer));
    PageNumber();
    return ok_;
  }

  int Pages() const { return page_ + 1; }

private:
  int LineHeight(const QFont &font) const {
    return QFontMetrics(font, painter_.device()).height() * 6 / 5;
  }

  // Lines break between words; only a word wider than the whole box is
  // broken inside, so that nothing is ever cut off.
  int WrapFlags(const QFont &font, int width, const QString &text) const {
    const QFontMetrics metrics(font, painter_.device());
    for (const QStringView word : QStringView(text).split(QLatin1Char(' '), Qt::SkipEmptyParts))
      if (metrics.horizontalAdvance(word.toString()) > width)
        return kWrap;
    return Qt::TextWordWrap;
  }

  // The height `text` takes wrapped in `width`, at least one line.
  int WrappedHeight(const QFont &font, int width, const QString &text) const {
    const QRect box = QFontMetrics(font, painter_.device())
                          .boundingRect(QRect(0, 0, std::max(width, 1), 1 << 20),
                                        WrapFlags(font, width, text), text);
    return std::max(box.height(), QFontMetrics(font, painter_.device()).height()) +
           LineHeight(font) - QFontMetrics(font, painter_.device()).height();
  }

  int TextWidth(const QFont &font, const QString &text) const {
    return QFontMetrics(font, painter_.device()).horizontalAdvance(text);
  }

  void Gap() { y_ += LineHeight(body_) / 2; }

  bool drawing() const { return record_ != nullptr; }

  // Starts a new page when `height` more does not fit; a table's column
  // headings come again at the top of a page it runs onto.
  bool Room(int height) {
    if (y_ + height <= bottom_ || y_ == top_)
      return ok_;
    PageNumber();
    ++page_;
    y_ = top_;
    if (drawing() && !surface_.NewPage())
      ok_ = false;
    if (table_)
      Headings();
    return ok_;
  }

  void Record(TKind kind, int x, int column, int width, const QString &text) {
    if (record_)
      record_->Texts.push_back({kind, page_, x, y_, column, text, width, tableIndex_});
  }

  void Draw(const QFont &font, const QRect &box, Qt::Alignment align, const QString &text) {
    if (!drawing())
      return;
    painter_.setFont(font);
    painter_.drawText(
        box, static_cast<int>(align | Qt::AlignTop) | WrapFlags(font, box.width(), text), text);
  }

  // A paragraph of its own across the page.
  void Put(TKind kind, const QFont &font, const QString &text) {
    const int width = right_ - left_;
    const int h = WrappedHeight(font, width, text);
    if (!Room(h))
      return;
    Draw(font, QRect(left_, y_, width, h), Qt::AlignLeft, text);
    Record(kind, left_, -1, width, text);
    y_ += h;
  }

  // The logo at the top right, as high as the title and the blocks' first
  // lines; an image Qt cannot read leaves the page without it.
  void Logo() {
    if (document_.Logo.empty())
      return;
    const QImage image = QImage::fromData(
        QByteArray::fromRawData(document_.Logo.data(), qsizetype(document_.Logo.size())));
    if (image.isNull() || image.height() == 0)
      return;
    const int height = static_cast<int>(18 * mm_);
    const int width =
        std::min(static_cast<int>(static_cast<long long>(image.width()) * height / image.height()),
                 (right_ - left_) / 3);
    const QRect box(right_ - width, top_, width, height);
    if (drawing())
      painter_.drawImage(box, image);
    Record(TKind::Logo, box.x(), -1, width, QString());
    logoLeft_ = box.x() - static_cast<int>(3 * mm_);
    logoBottom_ = box.bottom();
  }

  // The company, the customer and the job side by side, each wrapped in its
  // share of the width.
  void Blocks() {
    if (document_.Blocks.empty())
      return;
    Gap();
    const int count = static_cast<int>(document_.Blocks.size());
    const int right = y_ < logoBottom_ ? logoLeft_ : right_;
    const int share = std::max((right - left_) / count, 1);
    const int gap = LineHeight(body_) / 2;
    std::vector<int> heights;
    int height = 0;
    for (const TQuoteBlock &block : document_.Blocks) {
      int h = WrappedHeight(bold_, share - gap, Text(block.Heading));
      for (const std::string &line : block.Lines)
        h += WrappedHeight(body_, share - gap, Text(line));
      height = std::max(height, h);
    }
    if (!Room(height))
      return;
    const int top = y_;
    for (int b = 0; b < count; ++b) {
      const TQuoteBlock &block = document_.Blocks[static_cast<std::size_t>(b)];
      const int x = left_ + b * share;
      y_ = top;
      const auto line = [&](const QFont &font, const QString &text) {
        const int h = WrappedHeight(font, share - gap, text);
        Draw(font, QRect(x, y_, share - gap, h), Qt::AlignLeft, text);
        Record(TKind::Block, x, b, share - gap, text);
        y_ += h;
      };
      line(bold_, Text(block.Heading));
      for (const std::string &text : block.Lines)
        line(body_, Text(text));
    }
    y_ = std::max(top + height, logoBottom_ > top ? logoBottom_ : 0);
  }

  // Where the customer signs: the text, then a line to write on for each field.
  void Acceptance() {
    const TQuoteAcceptance &a = document_.Acceptance;
    if (a.Heading.empty())
      return;
    Gap();
    const int fieldHeight = LineHeight(body_) * 2;
    // The heading, the text and the fields stay together.
    const int whole = LineHeight(bold_) + WrappedHeight(body_, right_ - left_, Text(a.Text)) +
                      fieldHeight * static_cast<int>(a.Fields.size());
    if (y_ + whole > bottom_)
      Room(bottom_ - top_ + 1);
    Put(TKind::Section, bold_, Text(a.Heading));
    Put(TKind::Paragraph, body_, Text(a.Text));
    for (const std::string &field : a.Fields) {
      if (!Room(fieldHeight))
        return;
      y_ += fieldHeight - LineHeight(body_);
      const int labelWidth =
          std::max(TextWidth(body_, Text(field)) + LineHeight(body_), (right_ - left_) / 6);
      Draw(body_, QRect(left_, y_, labelWidth, LineHeight(body_)), Qt::AlignLeft, Text(field));
      Record(TKind::Field, left_, -1, labelWidth, Text(field));
      y_ += LineHeight(body_);
      if (drawing())
        painter_.drawLine(left_ + labelWidth, y_ - LineHeight(body_) / 4,
                          left_ + (right_ - left_) * 2 / 3, y_ - LineHeight(body_) / 4);
    }
  }

  // Column edges for `table`: every column as wide as its widest text when
  // that fits (a page-wide table gives the room left to its text columns);
  // else the figures keep their width and the text columns share the rest,
  // their texts wrapping.
  void Measure(const TQuoteTable &table) {
    const std::size_t n = table.Columns.size();
    std::vector<int> want(n, 0);
    const int pad = LineHeight(body_) / 2;
    for (std::size_t c = 0; c < n; ++c)
      want[c] = TextWidth(bold_, Text(table.Columns[c].Title)) + pad;
    for (const TQuoteRow &row : table.Rows) {
      std::size_t c = 0;
      for (const TQuoteCell &cell : row.Cells) {
        if (c < n && cell.Span == 1)
          want[c] = std::max({want[c], TextWidth(row.Total ? bold_ : body_, Text(cell.Text)) + pad,
                              TextWidth(small_, Text(cell.Note)) + pad});
        c += static_cast<std::size_t>(std::max(cell.Span, 1));
      }
    }
    const int room = right_ - left_;
    int figures = 0, texts = 0;
    for (std::size_t c = 0; c < n; ++c)
      (table.Columns[c].Number ? figures : texts) += want[c];
    std::vector<int> width = want;
    const int total = figures + texts;
    if (total > room && texts > 0) {
      const int share = std::max(room - figures, room / 4);
      for (std::size_t c = 0; c < n; ++c)
        if (!table.Columns[c].Number)
          width[c] = std::max(pad * 2, static_cast<int>(static_cast<long long>(want[c]) * share /
                                                        std::max(texts, 1)));
    } else if (total < room && !table.Compact && texts > 0) {
      for (std::size_t c = 0; c < n; ++c)
        if (!table.Columns[c].Number)
          width[c] += static_cast<int>(static_cast<long long>(room - total) * want[c] / texts);
    }
    edges_.assign(n + 1, left_);
    for (std::size_t c = 0; c < n; ++c)
      edges_[c + 1] = edges_[c] + width[c];
  }

  QRect CellBox(std::size_t column, int span, int height) const {
    const std::size_t last = std::min(column + static_cast<std::size_t>(span), edges_.size() - 1);
    const int pad = LineHeight(body_) / 4;
    return QRect(edges_[column] + pad, y_, edges_[last] - edges_[column] - 2 * pad, height);
  }

  void Headings() {
    const int h = LineHeight(bold_);
    for (std::size_t c = 0; c < table_->Columns.size(); ++c) {
      const QString title = Text(table_->Columns[c].Title);
      const QRect box = CellBox(c, 1, h);
      Draw(bold_, box, table_->Columns[c].Number ? Qt::AlignRight : Qt::AlignLeft, title);
      Record(TKind::Heading, box.x(), static_cast<int>(c), box.width(), title);
    }
    y_ += h;
    if (drawing())
      painter_.drawLine(left_, y_, edges_.back(), y_);
    y_ += h / 6;
  }

  int RowHeight(const TQuoteRow &row) const {
    int height = LineHeight(body_);
    std::size_t c = 0;
    for (const TQuoteCell &cell : row.Cells) {
      if (c >= edges_.size() - 1)
        break;
      const int width = CellBox(c, cell.Span, 0).width();
      int h = WrappedHeight(row.Total || row.Heading ? bold_ : body_, width, Text(cell.Text));
      if (!cell.Note.empty())
        h += WrappedHeight(small_, width, Text(cell.Note));
      height = std::max(height, h);
      c += static_cast<std::size_t>(std::max(cell.Span, 1));
    }
    return height;
  }

  void Row(const TQuoteRow &row) {
    const int height = RowHeight(row);
    if (!Room(height))
      return;
    const QFont &font = row.Total || row.Heading ? bold_ : body_;
    std::size_t c = 0;
    for (const TQuoteCell &cell : row.Cells) {
      if (c >= edges_.size() - 1)
        break;
      const QRect box = CellBox(c, cell.Span, height);
      const Qt::Alignment align = cell.Number ? Qt::AlignRight : Qt::AlignLeft;
      const QString text = Text(cell.Text);
      Draw(font, box, align, text);
      Record(row.Total     ? TKind::Total
             : row.Heading ? TKind::Section
                           : TKind::Cell,
             box.x(), static_cast<int>(c), box.width(), text);
      if (!cell.Note.empty()) {
        const int below = WrappedHeight(font, box.width(), text);
        const QRect noteBox(box.x(), box.y() + below, box.width(), box.height() - below);
        if (drawing()) {
          painter_.save();
          painter_.setPen(QColor(0x5b, 0x66, 0x6c));
          Draw(small_, noteBox, align, Text(cell.Note));
          painter_.restore();
        }
      }
      c += static_cast<std::size_t>(std::max(cell.Span, 1));
    }
    if (row.Total && drawing())
      painter_.drawLine(left_, y_, edges_.back(), y_);
    y_ += height;
  }

  void Table(const TQuoteTable &table) {
    Gap();
    Measure(table);
    // The heading, the column headings and a first row stay together.
    const int start = LineHeight(bold_) * 2 + (table.Rows.empty() ? 0 : RowHeight(table.Rows[0]));
    if (y_ + start > bottom_)
      Room(bottom_ - top_ + 1);
    if (drawing() && table.Warning) {
      painter_.save();
      painter_.setPen(QColor(0x8a, 0x3b, 0x12));
      Put(TKind::Section, bold_, Text(table.Heading));
      painter_.restore();
    } else {
      Put(TKind::Section, bold_, Text(table.Heading));
    }
    table_ = &table;
    Headings();
    for (const TQuoteRow &row : table.Rows)
      Row(row);
    table_ = nullptr;
  }

  void PageNumber() {
    const QString text = QStringLiteral("Page %1 of %2").arg(page_ + 1).arg(pages_);
    const int saved = y_;
    y_ = footer_;
    const QRect box(left_, footer_, right_ - left_, LineHeight(body_));
    Draw(body_, box, Qt::AlignHCenter, text);
    Record(TKind::PageNumber, left_, -1, box.width(), text);
    y_ = saved;
  }

  TPageSurface &surface_;
  QPainter &painter_;
  const TQuoteDocument &document_;
  int pages_;
  TQuoteLayout *record_;
  double mm_ = 1;
  int left_ = 0, right_ = 0, top_ = 0, bottom_ = 0, footer_ = 0;
  std::vector<int> edges_;
  const TQuoteTable *table_ = nullptr;
  int tableIndex_ = -1; // counted from 0 once the tables begin
  QFont body_, bold_, small_, title_;
  int page_ = 0;
  int y_ = 0;
  int logoLeft_ = 0, logoBottom_ = 0; // the logo's room at the top of the first page
  bool ok_ = true;
};

} // namespace

bool LayoutQuote(TPageSurface &surface, const TQuoteDocument &document, TQuoteLayout &layout) {
  layout = {};
  TQuotePass count(surface, document, 0, nullptr);
  count.Run();
  TQuotePass draw(surface, document, count.Pages(), &layout);
  const bool ok = draw.Run();
  layout.Pages = draw.Pages();
  return ok;
}

} // namespace korvane
