// The cost editor's Spiral page buttons and its Insert button.
#include <QFile>
#include <QPdfWriter>
#include <QPushButton>
#include <QToolButton>

#include "base/IniStore.h"
#include "costs/FittingsFiles.h"
#include "tests/bill/FakeBillHost.h"
#include "tests/costs_ui/PricesDlgFixture.h"

namespace korvane {
namespace {

class PricesDlgSpiralTest : public test::TPricesDlgTest {
protected:
  // A factory price file whose prices tell their column and row apart.
  void WriteFactoryPrices() {
    TSpiralPriceTable factory;
    for (std::size_t r = 0; r < kFittingRows; ++r) {
      factory.cols[fcDia][r] = kBuiltInDiameters[r];
      for (std::size_t c = 1; c < kFittingCols; ++c)
        factory.cols[c][r] = double(100 * c + r) + 0.25;
    }
    test::WriteAll(QString::fromStdString(shared + kFactoryPricesName),
                   QByteArray::fromStdString(FactoryPriceBytes(factory)));
  }
  QString IniPath() const { return QString::fromStdString(shared + kFittingsIniName); }
};

TEST_F(PricesDlgSpiralTest, ButtonsCarryTheirHints) {
  auto dlg = MakeDlg();
  const char *hints[] = {"View Fittings Prices", "Print Fittings Price List",
                         "Edit Fittings Price List", "Read Fittings File",
                         "Reset Fittings Price List"};
  for (int i = 0; i < kSpiralButtonCount; ++i)
    EXPECT_EQ(dlg->SpiralBtn(static_cast<TSpiralButton>(i))->toolTip(), hints[i]);
  // Without an INI editor there is nothing to edit the file in.
  EXPECT_FALSE(dlg->SpiralBtn(TSpiralButton::Edit)->isEnabled());
}

TEST_F(PricesDlgSpiralTest, ResetRewritesTheFittingsFileAtOnce) {
  WriteFactoryPrices();
  auto dlg = MakeDlg();
  Show(*dlg);
  dlg->SpiralBtn(TSpiralButton::Reset)->click();
  EXPECT_EQ(table.Price(fcNipple, 8), 608.25);
  ASSERT_TRUE(QFile::exists(IniPath()));
  dlg->CancelBtn()->click(); // Cancel does not undo it

  TSpiralPriceTable reread;
  ASSERT_TRUE(ReadFittingsIni(reread, shared, sink, [] {}));
  for (std::size_t c = 1; c < kFittingCols; ++c)
    for (std::size_t r = 0; r < kFittingRows; ++r)
      ASSERT_EQ(reread.Price(c, r), table.Price(c, r)) << c << "," << r;
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_EQ(endCalls, 0);
}

TEST_F(PricesDlgSpiralTest, ResetWithoutFactoryPricesEndsTheProgram) {
  auto dlg = MakeDlg();
  Show(*dlg);
  dlg->SpiralBtn(TSpiralButton::Reset)->click();
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].text, "Error reading spiral fittings price file, FPrice.dta");
  EXPECT_EQ(endCalls, 1);
  EXPECT_FALSE(QFile::exists(IniPath()));
  dlg->reject();
}

TEST_F(PricesDlgSpiralTest, EditOpensTheIniEditorThenReadsTheFile) {
  auto dlg = MakeDlg();
  QString editedFolder;
  dlg->Services().editFittingsIni = [&](const QString &folder) {
    editedFolder = folder;
    test::WriteAll(IniPath(), "[Elbow10D]\r\nd300=77.5\r\n");
  };
  Show(*dlg);
  dlg->SpiralBtn(TSpiralButton::Edit)->click();
  EXPECT_EQ(editedFolder.toStdString(), shared);
  EXPECT_EQ(table.Price(fcElbow10D, 8), 77.5);
  EXPECT_EQ(table.Dia(8), 300);

  // Reading again picks up a file changed behind the program's back.
  test::WriteAll(IniPath(), "[Elbow10D]\r\nd300=80\r\n");
  dlg->SpiralBtn(TSpiralButton::Read)->click();
  EXPECT_EQ(table.Price(fcElbow10D, 8), 80);
  dlg->reject();
}

TEST_F(PricesDlgSpiralTest, PrintStoresTheFactorAndPrintsTheList) {
  auto dlg = MakeDlg();
  QString title;
  dlg->Services().openPrintDevice = [&](const QString &job) {
    title = job;
    return std::unique_ptr<QPagedPaintDevice>(new QPdfWriter(File("list.pdf")));
  };
  Show(*dlg);
  Type(*dlg, "CSpiralFittingFact", "1.15");
  dlg->SpiralBtn(TSpiralButton::Print)->click();
  EXPECT_EQ(costs.SpiralFittingFact, 1.15);
  EXPECT_EQ(title, "Brisvantore Fittings");
  EXPECT_TRUE(test::ReadAll(File("list.pdf")).startsWith("%PDF"));
  EXPECT_TRUE(sink.messages.empty());
  dlg->reject();
  EXPECT_EQ(costs.SpiralFittingFact, 1.0);
}

TEST_F(PricesDlgSpiralTest, InsertPutsTheCostFileIntoTheHostsBillAndCloses) {
  fileName = CostFile("job.cst", DefaultCosts());
  test::TFakeBillHost host;
  host.lines = {"{ tender 12 }", "Elbow (Angle=90)", "300"};
  auto dlg = MakeDlg();
  dlg->SetBillHost(&host);
  Show(*dlg);
  Type(*dlg, "CMarkup", "1.1");
  dlg->InsertBtn()->click();
  EXPECT_EQ(host.lines, (std::vector<std::string>{"{ tender 12 }", "", "Costs = " + fileName, "",
                                                  "Elbow(Angle=90)", "300"}));
  EXPECT_TRUE(host.modified);
  EXPECT_TRUE(QFile::exists(File(kBillScratchName)));
  EXPECT_FALSE(dlg->isVisible());
  EXPECT_EQ(dlg->result(), kPricesOk);
  TCostRec saved{};
  ASSERT_TRUE(LoadCostFile(fileName, saved, sink));
  EXPECT_EQ(saved.Markup, 1.1);
  EXPECT_TRUE(sink.messages.empty());
}

TEST_F(PricesDlgSpiralTest, InsertWithoutAFileNameAsksForASaveFirst) {
  test::TFakeBillHost host;
  host.lines = {"StraightRect"};
  auto dlg = MakeDlg();
  dlg->SetBillHost(&host);
  Show(*dlg);
  dlg->InsertBtn()->click();
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].kind, TMsgKind::Warning);
  EXPECT_EQ(sink.messages[0].buttons, TMsgButtons::Ok);
  EXPECT_EQ(sink.messages[0].text, "Save costs file first.");
  EXPECT_TRUE(dlg->isVisible());
  EXPECT_EQ(host.lines, std::vector<std::string>{"StraightRect"});
  EXPECT_FALSE(host.modified);
  dlg->reject();
}

TEST_F(PricesDlgSpiralTest, AFailedInsertionIsReportedAndTheCostsStillSaved) {
  fileName = CostFile("job.cst", DefaultCosts());
  test::TFakeBillHost host;
  host.lines = {"StraightRect"};
  auto dlg = MakeDlg();
  dlg->Services().billScratchPath = File("missing/Bill.$$$").toStdString();
  dlg->SetBillHost(&host);
  Show(*dlg);
  dlg->InsertBtn()->click();
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].text, "Error inserting costs file name.");
  EXPECT_FALSE(host.modified);
  EXPECT_EQ(dlg->result(), kPricesOk);
}

} // namespace
} // namespace korvane
