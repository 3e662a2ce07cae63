#include "costs/ui/SpiralPriceListPrint.h"

#include <QDate>
#include <QFontInfo>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>

#include <cmath>
#include <set>

#include "tests/support/UiTest.h"

namespace korvane {
namespace {

using TKind = TLaidText::TKind;

int PdfPageCount(const QByteArray &pdf) {
  return int(QString::fromLatin1(pdf).count(QRegularExpression("/Type\\s*/Page[^s]")));
}

class PriceListPrintTest : public test::TUiTest {
protected:
  PriceListPrintTest() {
    costs = DefaultCosts();
    costs.SpiralFittingFact = 1.15;
    costs.RefDate = 45291; // 31 December 2023
    for (std::size_t r = 0; r < kFittingRows; ++r) {
      table.cols[fcDia][r] = kBuiltInDiameters[r];
      for (std::size_t c = 1; c < kFittingCols; ++c)
        table.cols[c][r] = double(c * 100 + r) + 0.5;
    }
  }

  std::unique_ptr<QPdfWriter> Writer(const QString &path, const QPageSize &size) {
    auto writer = std::make_unique<QPdfWriter>(path);
    writer->setResolution(300);
    writer->setPageSize(size);
    writer->setPageMargins(QMarginsF(0, 0, 0, 0));
    return writer;
  }

  // Lays the list out on a PDF of the given paper and keeps the PDF's bytes.
  TPriceListLayout LayOut(const QPageSize &size, QByteArray *pdf = nullptr) {
    const QString path = File("layout.pdf");
    TPriceListLayout layout;
    {
      auto writer = Writer(path, size);
      QPainter painter(writer.get());
      TPagedDeviceSurface surface(*writer, painter);
      layout = LayoutSpiralPriceList(surface, table, costs.SpiralFittingFact, "31/12/2023");
    }
    if (pdf)
      *pdf = test::ReadAll(path);
    return layout;
  }

  TSpiralPriceTable table;
  TCostRec costs{};
};

TEST(PriceListColumns, DiameterColumnIsTwoThirdsOfAStep) {
  const struct {
    int left, right, n;
    std::vector<int> boundaries;
  } cases[] = {
      {100, 1100, 4, {100, 233, 433, 633, 833}}, // step 200
      {100, 1100, 3, {100, 267, 517, 767}},      // step 250: 166.7 rounds up
      {0, 60, 5, {0, 7, 17, 27, 37, 47}},        // step 10
  };
  for (const auto &c : cases)
    EXPECT_EQ(PriceListColumnBoundaries(c.left, c.right, c.n), c.boundaries) << c.n;
}

// The list is laid out for Arial's metrics; a stand-in with taller lines
// (Nimbus Sans, say) spills every group onto a second sheet. Debian's
// fonts-liberation is metric-compatible and is installed by scripts/deps.sh.
void ExpectArialMetrics() {
  QFont arial(QStringLiteral("Arial"));
  arial.setPointSize(15);
  const QString family = QFontInfo(arial).family();
  ASSERT_TRUE(family.startsWith(QLatin1String("Arial")) ||
              family.startsWith(QLatin1String("Liberation Sans")))
      << "\"Arial\" is drawn in " << family.toStdString()
      << "; install fonts-liberation (scripts/deps.sh)";
}

class PriceListPaperTest : public PriceListPrintTest,
                           public ::testing::WithParamInterface<QPageSize::PageSizeId> {};

// Each group fits one sheet of the usual office papers.
TEST_P(PriceListPaperTest, PrintsThreePagesWithCentredHeadingsAndFlushPrices) {
  ASSERT_NO_FATAL_FAILURE(ExpectArialMetrics());
  QByteArray pdf;
  const QPageSize paper(GetParam());
  const QSize pixels = paper.sizePixels(300);
  const TPriceListLayout layout = LayOut(paper, &pdf);
  EXPECT_EQ(layout.pages, 3);
  EXPECT_EQ(PdfPageCount(pdf), 3);

  // Margins come from the letter X: 6 widths on the left, 4 on the right.
  EXPECT_EQ(layout.leftMargin * 2, (pixels.width() - layout.rightEdge) * 3);
  EXPECT_EQ(layout.bottomLimit, pixels.height() - layout.topMargin);

  std::array<int, 3> cells{}, headings{}, titles{};
  for (const TLaidText &t : layout.texts) {
    SCOPED_TRACE(t.text.toStdString());
    EXPECT_EQ(t.page, t.group) << "each group fills exactly its own page";
    const std::vector<int> &b = layout.boundaries[std::size_t(t.group)];
    switch (t.kind) {
    case TKind::Title: {
      ++titles[std::size_t(t.group)];
      EXPECT_EQ(t.y, layout.topMargin);
      EXPECT_LE(std::abs((t.x - layout.leftMargin) - (layout.rightEdge - t.x - t.width)), 1);
      break;
    }
    case TKind::Heading: {
      ++headings[std::size_t(t.group)];
      const int before = t.x - b[std::size_t(t.column)];
      const int after = b[std::size_t(t.column) + 1] - (t.x + t.width);
      EXPECT_LE(std::abs(before - after), 1);
      break;
    }
    case TKind::Cell:
      ++cells[std::size_t(t.group)];
      EXPECT_EQ(t.x + t.width, b[std::size_t(t.column) + 1]);
      break;
    case TKind::Footer:
      EXPECT_EQ(t.x, layout.leftMargin);
      break;
    }
  }
  EXPECT_EQ(titles, (std::array<int, 3>{1, 1, 1}));
  EXPECT_EQ(headings, (std::array<int, 3>{10, 8, 10}));
  EXPECT_EQ(cells, (std::array<int, 3>{32 * 5, 32 * 4, 32 * 5}));
}

INSTANTIATE_TEST_SUITE_P(OfficePaper, PriceListPaperTest,
                         ::testing::Values(QPageSize::A4, QPageSize::Letter));

TEST_F(PriceListPrintTest, RowsHoldFactoredPricesAndTheFooterTheDate) {
  const TPriceListLayout layout = LayOut(QPageSize(QPageSize::A4));
  QStringList footers;
  QString nippleRow29, diaRow29;
  for (const TLaidText &t : layout.texts) {
    if (t.kind == TKind::Footer && t.group == 1)
      footers << t.text;
    if (t.kind == TKind::Cell && t.group == 1 && t.line == 29) {
      if (t.column == 0)
        diaRow29 = t.text;
      if (t.column == 2)
        nippleRow29 = t.text;
    }
  }
  EXPECT_EQ(footers, QStringList({"Valid from 31/12/2023", "All prices in rands."}));
  EXPECT_EQ(diaRow29, "1450");
  EXPECT_EQ(nippleRow29, "723.93"); // (600 + 29 + 0.5) x 1.15 = 723.925
}

// The paper carries the long headings, not the screen's short ones.
TEST_F(PriceListPrintTest, PaperTitlesAndHeadingsReadWordForWord) {
  const QString expected[] = {
      "Elbows / Dia|45° to 90°|45° to 90°|45° to 90°|45°"
      " / mm|rad=1 dia|rad=1.5 dia|rad=0.15m|rad=1 dia",
      "Fittings / Dia|Round|Nipples|Spigot / mm|stopends|Spigots|with plate",
      "Reducers and T-Pieces / Dia|Reducer|Reducer|T-Piece|T-Piece"
      " / mm|300mm L|600 mm L|90°|45°",
  };
  std::array<QString, 3> printed;
  for (const TLaidText &t : LayOut(QPageSize(QPageSize::A4)).texts) {
    if (t.kind == TKind::Title)
      printed[std::size_t(t.group)] = t.text;
    else if (t.kind == TKind::Heading)
      printed[std::size_t(t.group)] += QString(t.column == 0 ? " / " : "|") + t.text;
  }
  for (std::size_t g = 0; g < 3; ++g)
    EXPECT_EQ(printed[g].toStdString(), expected[g].toStdString());
}

TEST_F(PriceListPrintTest, AShortPageContinuesWithoutHeadingsAndEachGroupStartsFresh) {
  QByteArray pdf;
  const TPriceListLayout layout = LayOut(QPageSize(QSizeF(210, 110), QPageSize::Millimeter), &pdf);
  ASSERT_GT(layout.pages, 3);
  EXPECT_EQ(PdfPageCount(pdf), layout.pages);

  std::array<std::set<int>, 3> pages;
  std::array<int, 3> headingPage{-1, -1, -1};
  for (const TLaidText &t : layout.texts) {
    pages[std::size_t(t.group)].insert(t.page);
    EXPECT_GE(t.y, layout.topMargin);
    EXPECT_LE(t.y, layout.bottomLimit);
    if (t.kind == TKind::Heading || t.kind == TKind::Title) {
      if (headingPage[std::size_t(t.group)] < 0)
        headingPage[std::size_t(t.group)] = t.page;
      EXPECT_EQ(t.page, headingPage[std::size_t(t.group)]) << "headings are not repeated";
    }
  }
  for (std::size_t g = 0; g < 3; ++g) {
    EXPECT_GT(pages[g].size(), 1u) << g;
    EXPECT_EQ(*pages[g].begin(), headingPage[g]);
    if (g > 0) {
      EXPECT_EQ(*pages[g].begin(), *pages[g - 1].rbegin() + 1) << "a group starts a fresh page";
    }
  }
  // The first row of a continuation page sits at the top margin.
  for (std::size_t i = 1; i < layout.texts.size(); ++i) {
    const TLaidText &prev = layout.texts[i - 1];
    const TLaidText &t = layout.texts[i];
    if (t.page != prev.page && t.kind == TKind::Cell) {
      EXPECT_EQ(t.y, layout.topMargin);
    }
  }
}

TEST_F(PriceListPrintTest, PrintsThroughTheDeviceItIsGivenWithTheJobTitle) {
  ASSERT_NO_FATAL_FAILURE(ExpectArialMetrics());
  TRecordingSink sink;
  QString title;
  const QString path = File("job.pdf");
  const bool ok = PrintSpiralPriceList(table, costs, sink, [&](const QString &t) {
    title = t;
    return std::unique_ptr<QPagedPaintDevice>(Writer(path, QPageSize(QPageSize::A4)));
  });
  EXPECT_TRUE(ok);
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_EQ(title, "Brisvantore Fittings");
  EXPECT_EQ(PdfPageCount(test::ReadAll(path)), 3);
}

TEST_F(PriceListPrintTest, AnyFailureIsToldAsOneInformationBox) {
  const std::function<std::unique_ptr<QPagedPaintDevice>(const QString &)> devices[] = {
      [](const QString &) { return std::unique_ptr<QPagedPaintDevice>(); }, // no printer
      [this](const QString &) {                                             // the job cannot start
        return std::unique_ptr<QPagedPaintDevice>(
            Writer(File("missing/folder/x.pdf"), QPageSize(QPageSize::A4)));
      },
  };
  for (const auto &open : devices) {
    TRecordingSink sink;
    EXPECT_FALSE(PrintSpiralPriceList(table, costs, sink, open));
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].kind, TMsgKind::Information);
    EXPECT_EQ(sink.messages[0].buttons, TMsgButtons::Ok);
    EXPECT_EQ(sink.messages[0].text, "Error printing spiral price list");
  }
}

TEST_F(PriceListPrintTest, ShortDateCountsDaysFromTheEndOf1899) {
  EXPECT_EQ(ShortDateText(45291.75),
            QLocale::system().toString(QDate(2023, 12, 31), QLocale::ShortFormat));
  EXPECT_EQ(ShortDateText(2), QLocale::system().toString(QDate(1900, 1, 1), QLocale::ShortFormat));
  EXPECT_TRUE(ShortDateText(std::nan("")).isEmpty());
  EXPECT_TRUE(ShortDateText(1e300).isEmpty());
}

} // namespace
} // namespace korvane
