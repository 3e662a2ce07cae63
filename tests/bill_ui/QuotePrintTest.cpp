// The printed quote on PDF: a long job runs over pages, each page starts
// with the table's heading above its rows, nothing runs into the footer,
// and the pages are numbered "n of N".
#include <QFontMetrics>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>

#include <map>

#include "bill/job/BillTextJob.h"
#include "bill/job/CustomerQuote.h"
#include "bill/job/QuoteBuilder.h"
#include "bill/job/QuoteHtml.h"
#include "bill/ui/QuotePrint.h"
#include "tests/bill_ui/BillWorld.h"
#include "tests/support/UiTest.h"

namespace korvane::test {
namespace {

using TKind = TQuoteText::TKind;

class QuotePrintTest : public TUiTest {
protected:
  // Prices `bill`, lays its quote out on an A4 PDF and keeps the PDF's bytes.
  TQuoteLayout Print(const std::string &bill, QByteArray &pdf) {
    TBillTextJob job;
    job.Setup.ProgramDir = (kStage + "/Korvane/").toStdString();
    job.Setup.DataDir = (kStage + "/Common Files/").toStdString();
    job.FallbackCostFile = (kStage + "/Data Files/Default.cst").toStdString();
    job.BillName = "job.dct";
    TQuoteBuilder quote("2025-02-01");
    TJobTotals totals;
    std::string fatal;
    EXPECT_TRUE(PriceBillText(bill, job, {&quote}, totals, fatal)) << fatal;
    TQuoteLayout layout;
    {
      QPdfWriter writer(File("quote.pdf"));
      writer.setPageSize(QPageSize(QPageSize::A4));
      writer.setResolution(300);
      QPainter painter(&writer);
      TPagedDeviceSurface surface(writer, painter);
      EXPECT_TRUE(LayoutQuote(surface, quote.Document(), layout));
    }
    pdf = ReadAll(File("quote.pdf"));
    return layout;
  }
};

TEST_F(QuotePrintTest, LongJobRepeatsTheHeadingOnEveryPage) {
  std::string bill = "Nipple\n";
  for (int i = 0; i < 150; ++i)
    bill += " " + std::to_string(100 + 10 * (i % 40)) + " 1\n";
  bill += "Shoe\n 600 500 1\n";
  QByteArray pdf;
  const TQuoteLayout layout = Print(bill, pdf);
  ASSERT_GE(layout.Pages, 3);
  EXPECT_EQ(QString::fromLatin1(pdf).count(QRegularExpression("/Type\\s*/Page[^s]")), layout.Pages);

  std::map<int, int> headingY, firstCellY, cells, numbers;
  std::map<int, QString> pageNumber;
  for (const TQuoteText &t : layout.Texts) {
    if (t.Kind == TKind::Heading && t.Column == 0 && t.Table == 0)
      headingY.emplace(t.Page, t.Y);
    if (t.Kind == TKind::Cell && t.Column == 0 && t.Table == 0) {
      firstCellY.emplace(t.Page, t.Y);
      ++cells[t.Page];
    }
    if (t.Kind == TKind::PageNumber)
      pageNumber[t.Page] = t.Text;
    else
      EXPECT_LE(t.Y, layout.Bottom) << t.Text.toStdString();
  }
  int rows = 0;
  for (int page = 0; page < layout.Pages; ++page) {
    EXPECT_EQ(pageNumber[page], QString("Page %1 of %2").arg(page + 1).arg(layout.Pages));
    rows += cells[page];
    if (!cells[page])
      continue;
    ASSERT_TRUE(headingY.count(page)) << page;
    EXPECT_LT(headingY[page], firstCellY[page]) << page;
  }
  EXPECT_EQ(rows, 150);
  // The title is on the first page; the total and the left-out line on the last.
  EXPECT_EQ(layout.Texts.front().Kind, TKind::Title);
  EXPECT_EQ(layout.Texts.front().Text, "Estimator's sheet: job.dct");
  const auto last = [&](TKind kind) {
    for (auto t = layout.Texts.rbegin(); t != layout.Texts.rend(); ++t)
      if (t->Kind == kind)
        return *t;
    return TQuoteText{kind, 0, 0, 0, -1, QString()};
  };
  EXPECT_EQ(last(TKind::Total).Page, layout.Pages - 1);
  EXPECT_TRUE(last(TKind::Cell).Text.startsWith("Shoe: ")) << last(TKind::Cell).Text.toStdString();
  EXPECT_EQ(last(TKind::Footer).Text, "150 lines priced. Prices exclude anything not listed.");
}

// A name longer than the page wraps inside its column, and a nine-digit
// amount keeps the width it needs: every text's box lies within the page.
TEST_F(QuotePrintTest, LongTextsWrapAndFiguresKeepTheirWidth) {
  TQuoteDocument document;
  document.Title = "Quote: " + std::string(300, 'Q');
  TQuoteTable table;
  table.Heading = "Items";
  table.Columns = {{"Item", false}, {"Description", false}, {"Amount", true}};
  table.Rows.push_back({{{std::string(60, 'W') + " " + std::string(200, 'x'), {}, false},
                         {"short", "note", false},
                         {"123,456,789.00", {}, true}}});
  document.Tables.push_back(table);
  TQuoteLayout layout;
  QPdfWriter writer(File("long.pdf"));
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setResolution(300);
  QPainter painter(&writer);
  TPagedDeviceSurface surface(writer, painter);
  ASSERT_TRUE(LayoutQuote(surface, document, layout));
  const int pageWidth = surface.PageSize().width();
  bool amount = false;
  for (const TQuoteText &t : layout.Texts) {
    EXPECT_LE(t.X + t.Width, pageWidth) << t.Text.toStdString();
    if (t.Text == "123,456,789.00") {
      amount = true;
      EXPECT_GE(t.Width, QFontMetrics(QFont("Arial", 9), &writer).horizontalAdvance(t.Text));
    }
  }
  EXPECT_TRUE(amount);
}

// Every text of the document with its blanks taken out: a wrapped text
// comes back from the PDF in pieces.
QString Squeezed(QString text) {
  text.replace(QChar(0xFB01), QStringLiteral("fi")).replace(QChar(0xFB02), QStringLiteral("fl"));
  return text.remove(QRegularExpression(QStringLiteral("\\s")));
}

// The customer's quote of one job as HTML and as PDF, the PDF's text read
// back: both carry every text and figure of the document, a long name and a
// nine-digit total whole.
TEST_F(QuotePrintTest, HtmlAndPdfCarryTheSameTextsAndFigures) {
  const std::string longName = "Harbour" + std::string(150, 'X') + "Properties";
  const std::string bill =
      "; Customer: " + longName +
      "\n; Customer address: 14 Quay Street\n; Project: Level 2 offices\n"
      "; Quote number: Q-0142\n; Date: 2026-02-28\n; Discount: 5%\n"
      "; VAT: 15%\n# Supply riser\n"
      "StraightRect (Insulation=External, InsThickness=25mm, NumberOff=99999)\n"
      " 1200 600 2.400\n# Round branches\nSpiral (NumberOff=12)\n 400 3.000\n";
  TBillTextJob job;
  job.Setup.ProgramDir = (kStage + "/Korvane/").toStdString();
  job.Setup.DataDir = (kStage + "/Common Files/").toStdString();
  job.Setup.Currency.symbol = "R";
  job.FallbackCostFile = (kStage + "/Data Files/Default.cst").toStdString();
  job.BillName = "job.dct";
  job.Company.Name = "Okafor Sheet Metal";
  job.Company.Address = {"14 Foundry Lane", "Port Elin 4410"};
  job.Company.Terms = {"Payment in 30 days from the invoice."};
  TCustomerQuote quote("2026-03-01");
  TJobTotals totals;
  std::string fatal;
  ASSERT_TRUE(PriceBillText(bill, job, {&quote}, totals, fatal)) << fatal;
  ASSERT_GE(totals.Money.Total, 100'000'000'00); // nine digits before the point
  const TQuoteDocument &document = quote.Document();
  std::string html;
  AppendQuoteHtml(html, document);

  TQuoteLayout layout;
  {
    QPdfWriter writer(File("customer.pdf"));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(300);
    QPainter painter(&writer);
    TPagedDeviceSurface surface(writer, painter);
    ASSERT_TRUE(LayoutQuote(surface, document, layout));
  }
  QProcess read;
  read.start(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), File("customer.pdf"), "-"});
  ASSERT_TRUE(read.waitForFinished(30000)) << "pdftotext (poppler-utils) is needed";
  ASSERT_EQ(read.exitCode(), 0);
  const QString pdf = Squeezed(QString::fromUtf8(read.readAllStandardOutput()));

  std::vector<std::string> texts{document.Title, document.Acceptance.Text};
  for (const TQuoteBlock &block : document.Blocks) {
    texts.push_back(block.Heading);
    texts.insert(texts.end(), block.Lines.begin(), block.Lines.end());
  }
  for (const auto &fact : document.Facts)
    texts.push_back(fact.second);
  for (const TQuoteTable &table : document.Tables)
    for (const TQuoteRow &row : table.Rows)
      for (const TQuoteCell &cell : row.Cells)
        texts.insert(texts.end(), {cell.Text, cell.Note});
  for (const TQuoteBlock &paragraph : document.Paragraphs)
    texts.insert(texts.end(), paragraph.Lines.begin(), paragraph.Lines.end());
  int figures = 0;
  for (const std::string &text : texts) {
    if (text.empty())
      continue;
    std::string escaped;
    AppendHtmlText(escaped, text);
    EXPECT_NE(html.find(escaped), std::string::npos) << text;
    EXPECT_TRUE(pdf.contains(Squeezed(QString::fromStdString(text)))) << text;
    figures += text.starts_with("R");
  }
  EXPECT_GE(figures, 9); // each and amount of two lines, two subtotals, discount, VAT, total
  EXPECT_TRUE(pdf.contains(Squeezed(QString::fromStdString(MoneyText(totals.Money.Total, {"R"})))));
  EXPECT_TRUE(pdf.contains(QString::fromStdString(longName)));
  for (int page = 1; page <= layout.Pages; ++page)
    EXPECT_TRUE(pdf.contains(QStringLiteral("Page%1of%2").arg(page).arg(layout.Pages)));
}

} // namespace
} // namespace korvane::test
