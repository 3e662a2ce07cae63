// The priced job as a workbook: read back with unzip, its quote sheet's
// amounts and totals are formulas whose stored values are the quote's
// printed figures, and korvane-price writes it with --xlsx.
#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <string>

#include "bill/job/JobXlsxWriter.h"
#include "tests/bill_job/JobRun.h"
#include "tests/pricer/CliRun.h"
#include "tests/support/CommandOutput.h"

namespace korvane::test {
namespace {

// One member of the zip file at `path`, as unzip prints it.
std::string Unzipped(const std::string &path, const std::string &member) {
  return CommandOutput("unzip -p '" + path + "' '" + member + "'");
}

struct TCell {
  std::string Formula, Value;
};

// The cell `ref` ("H12") of a sheet's XML; empty when it has none.
TCell CellAt(const std::string &xml, const std::string &ref) {
  const std::size_t at = xml.find("<c r=\"" + ref + "\"");
  if (at == std::string::npos)
    return {};
  const std::string cell = xml.substr(at, xml.find("</c>", at) - at);
  const auto inner = [&cell](const std::string &tag) {
    const std::size_t open = cell.find("<" + tag + ">");
    if (open == std::string::npos)
      return std::string();
    const std::size_t from = open + tag.size() + 2;
    return cell.substr(from, cell.find("</" + tag + ">", from) - from);
  };
  return {inner("f"), inner("v")};
}

// The row (from 1) whose column B holds `label`; 0 when none does.
int RowOf(const std::string &xml, const std::string &label) {
  std::smatch m;
  const std::regex cell("<c r=\"B([0-9]+)\"[^>]*><is><t>" + label + "</t>");
  return std::regex_search(xml, m, cell) ? std::stoi(m[1]) : 0;
}

void ExpectMoney(const TCell &cell, const std::string &formula, TCents cents) {
  EXPECT_EQ(cell.Formula, formula);
  EXPECT_EQ(std::llround(std::stod(cell.Value.empty() ? "nan" : cell.Value) * 100), cents)
      << cell.Value;
}

const std::string kJob = "; Customer: Harbour Road Properties\n"
                         "; Quote number: Q-0142\n"
                         "; Date: 2026-02-28\n"
                         "; Discount: 5%\n"
                         "; VAT: 15%\n"
                         "# Supply riser\n"
                         "StraightRect (Insulation=External, InsThickness=25mm, NumberOff=6)\n"
                         "\t-\t1200  600  2.400\n"
                         "VanedSquareBend (Gauge=1.0)\n"
                         "\t-\t1200  600  3\n"
                         "# Round\xff branches\n"
                         "Spiral (NumberOff=12)\n"
                         "\t-\t400  3.000\n"
                         "Shoe\n"
                         " 1 2 3\n";

TEST(JobXlsx, QuoteSheetFiguresAreFormulasWithThePrintedValues) {
  std::string book;
  TJobXlsxWriter writer(book, "2026-03-01");
  TRecordingWriter lines;
  TCompanyProfile company;
  company.Name = "Okafor Sheet Metal";
  company.Currency = "R";
  TBillJob job(StagedSetup(), "job.dct", KORVANE_STAGE_DIR "/Data Files/", {&writer, &lines});
  job.Pricer().SetCompany(company);
  job.Feed(kJob);
  ASSERT_TRUE(job.Finish()) << job.Pricer().FatalError();
  const TJobTotals &t = job.Pricer().Totals();
  ASSERT_EQ(t.Priced, 3u);
  ASSERT_EQ(t.Sections.size(), 2u);
  ASSERT_NE(t.Money.Discount, 0);

  TempFolder dir;
  PutFile(dir.File("job.xlsx"), book);
  const std::string names = Unzipped(dir.File("job.xlsx"), "xl/workbook.xml");
  EXPECT_TRUE(std::regex_search(
      names, std::regex("<sheet name=\"Quote\".*<sheet name=\"Take-off\".*<sheet name=\"Sheet per "
                        "gauge\".*<sheet name=\"Insulation\".*<sheet "
                        "name=\"Not priced\"")))
      << names;
  const std::string quote = Unzipped(dir.File("job.xlsx"), "xl/worksheets/sheet1.xml");
  for (const char *text : {"Quote Q-0142", "Okafor Sheet Metal", "Harbour Road Properties",
                           "Valid until", "2026-03-30", "Square Bend, vaned", "1200mm x 600mm",
                           "25 mm external insulation", "Round\xef\xbf\xbd branches"})
    EXPECT_NE(quote.find(text), std::string::npos) << text;

  // The header row, frozen, then one row per line and a subtotal per section.
  const int header = RowOf(quote, "Section");
  ASSERT_GT(header, 0);
  EXPECT_NE(quote.find("<pane ySplit=\"" + std::to_string(header) + "\""), std::string::npos);
  int row = header + 1;
  std::string sections;
  for (std::size_t i = 0; i < lines.lines.size(); ++i, ++row) {
    const std::string r = std::to_string(row);
    EXPECT_EQ(CellAt(quote, "A" + r).Value, std::to_string(lines.lines[i].Line));
    ExpectMoney(CellAt(quote, "H" + r), "F" + r + "*G" + r, lines.lines[i].Amount);
    EXPECT_EQ(std::llround(std::stod(CellAt(quote, "G" + r).Value) * 100), lines.lines[i].Each);
    if (i + 1 == lines.lines.size() ||
        lines.lines[i + 1].SectionLine != lines.lines[i].SectionLine) {
      const std::string sub = std::to_string(++row);
      const TJobSection &section = t.Sections[sections.empty() ? 0 : 1];
      ExpectMoney(CellAt(quote, "H" + sub),
                  "SUM(H" + std::to_string(row - int(section.Priced)) + ":H" + r + ")",
                  section.Subtotal);
      sections += (sections.empty() ? "H" : "+H") + sub;
    }
  }
  const std::string sub = std::to_string(RowOf(quote, "Subtotal"));
  const std::string discount = std::to_string(RowOf(quote, "Discount"));
  const std::string vat = std::to_string(RowOf(quote, "VAT"));
  ExpectMoney(CellAt(quote, "H" + sub), sections, t.Money.Subtotal);
  EXPECT_EQ(CellAt(quote, "G" + discount).Value, "0.05");
  ExpectMoney(CellAt(quote, "H" + discount), "ROUND(H" + sub + "*G" + discount + ",2)",
              t.Money.Discount);
  ExpectMoney(CellAt(quote, "H" + vat), "ROUND((H" + sub + "-H" + discount + ")*G" + vat + ",2)",
              t.Money.Vat);
  ExpectMoney(CellAt(quote, "H" + std::to_string(RowOf(quote, "Total"))),
              "H" + sub + "-H" + discount + "+H" + vat, t.Money.Total);

  EXPECT_NE(Unzipped(dir.File("job.xlsx"), "xl/styles.xml").find("&quot;R&quot;#,##0.00"),
            std::string::npos);
  const std::string gauges = Unzipped(dir.File("job.xlsx"), "xl/worksheets/sheet3.xml");
  ExpectMoney(CellAt(gauges, "B" + std::to_string(t.Sheets.size() + 2)),
              "SUM(B2:B" + std::to_string(t.Sheets.size() + 1) + ")", CentsOf(t.Area));
  EXPECT_NE(Unzipped(dir.File("job.xlsx"), "xl/worksheets/sheet5.xml")
                .find("Shoe: the calculator has no costing for shoes"),
            std::string::npos);
}

TEST(JobXlsx, CellTextIsWellFormedAndBounded) {
  EXPECT_EQ(CellText("Größe 1\t2\n€"), "Größe 1\t2\n€");
  // A stray byte, an overlong slash, a surrogate, U+FFFF and a control
  // character: each of their bytes becomes a replacement character.
  EXPECT_EQ(CellText("a\xff"
                     "b\xc0\xaf"
                     "c\xed\xa0\x80"
                     "d\xef\xbf\xbf"
                     "e\x01"),
            "a\xef\xbf\xbd"
            "b\xef\xbf\xbd\xef\xbf\xbd"
            "c\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd"
            "d\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd"
            "e\xef\xbf\xbd");
  const std::string cut = CellText(std::string(kMaxCellText - 1, 'x') + "€");
  EXPECT_EQ(cut, std::string(kMaxCellText - 1, 'x'));
}

// A row beyond a worksheet's last fails the book, and nothing is appended.
TEST(JobXlsx, BookBeyondTheLastRowFails) {
  TXlsxBook book;
  ASSERT_EQ(book.Error(), "");
  TXlsxSheet &sheet = book.AddSheet("Quote");
  sheet.Text(0, "first");
  sheet.NextRow(1u << 20);
  sheet.Text(0, "one too many");
  std::string out = "kept", error;
  EXPECT_FALSE(book.Close(out, error));
  EXPECT_EQ(out, "kept");
  EXPECT_NE(error.find("at most 1,048,576 rows"), std::string::npos) << error;
}

TEST(JobXlsx, PricerWritesTheWorkbook) {
  TempFolder dir;
  const CliResult r =
      RunPricer({"--bill", "-", "--xlsx", dir.File("job.xlsx")}, "Elbow\n  500 750 90 4\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("Lines: 1 priced"), std::string::npos) << r.out;
  const std::string quote = Unzipped(dir.File("job.xlsx"), "xl/worksheets/sheet1.xml");
  EXPECT_NE(quote.find("<f>F"), std::string::npos);
  EXPECT_NE(quote.find("<t>Elbow</t>"), std::string::npos) << quote;
}

} // namespace
} // namespace korvane::test
