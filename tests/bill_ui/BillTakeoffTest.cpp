// File > Import Take-off: a spreadsheet of items opens as a new bill, not yet
// saved, that prices as the job it was taken off; what the take-off could
// not say as a bill is told once.
#include <QApplication>
#include <QPointer>
#include <QSettings>

#include <fstream>

#include "desktop/ScrivelEditor.h"
#include "tests/bill_ui/BillWorld.h"
#include "tests/support/UiTest.h"

namespace korvane::test {
namespace {

class BillTakeoffTest : public TUiTest {
protected:
  void SetUp() override {
    TUiTest::SetUp();
    QSettings settings(File("korvane.conf"), QSettings::IniFormat);
    settings.setValue("Settings/LastCostFile", kStage + "/Data Files/Default.cst");
    form = new TBillForm(world.Services(File("korvane.conf")));
  }
  void TearDown() override {
    std::vector<QPointer<TBillForm>> forms;
    for (QWidget *w : QApplication::topLevelWidgets())
      if (auto *f = qobject_cast<TBillForm *>(w))
        forms.emplace_back(f);
    for (const QPointer<TBillForm> &f : forms)
      delete f.data();
    TUiTest::TearDown();
  }
  // The window the import opened; null when there is none.
  TBillForm *Imported() const {
    for (QWidget *w : QApplication::topLevelWidgets())
      if (auto *f = qobject_cast<TBillForm *>(w); f && f != form && f->isVisible())
        return f;
    return nullptr;
  }

  TBillWorld world;
  TBillForm *form = nullptr;
};

TEST_F(BillTakeoffTest, ATakeoffOpensAsANewUnsavedBill) {
  world.dialogs->answer = kStage + "/Data Files/level2-office-takeoff.xlsx";
  form->ImportTakeoffClick();
  TBillForm *bill = Imported();
  ASSERT_NE(bill, nullptr) << (world.said.empty() ? "" : world.said.back());
  EXPECT_TRUE(bill->Unsaved());
  EXPECT_TRUE(bill->Path().isEmpty());
  // Offered under the take-off's name until it is saved.
  EXPECT_TRUE(bill->windowTitle().startsWith("level2-office-takeoff.dct* - "))
      << bill->windowTitle().toStdString();
  bill->Reprice();
  // The example job, typed by hand, costs the same.
  EXPECT_EQ(bill->Summary().Total, "R42,454.29");
  EXPECT_EQ(bill->Summary().Counts, "28 priced, 0 not priced, 0 bad");
  ASSERT_EQ(world.said.size(), 1u);
  EXPECT_EQ(world.said[0], "28 items read from level2-office-takeoff.xlsx.");
}

TEST_F(BillTakeoffTest, BadRowsAreToldAndNoTakeoffOpensNothing) {
  const QString csv = File("t.csv");
  std::ofstream(csv.toStdString()) << "Item,Width,Height,Length\nStraightRect,800,500,2\n"
                                      "StraightRect,800,,2\n";
  world.dialogs->answer = csv;
  form->ImportTakeoffClick();
  TBillForm *bill = Imported();
  ASSERT_NE(bill, nullptr);
  bill->Reprice();
  EXPECT_EQ(bill->Summary().Counts, "1 priced, 0 not priced, 0 bad");
  EXPECT_TRUE(bill->Editor()->text().contains(
      "; take-off row 3, Height: missing: StraightRect takes width, height, length"));
  ASSERT_EQ(world.said.size(), 1u);
  EXPECT_EQ(world.said[0], "1 item read from t.csv.\n1 row cannot be priced: each is a comment "
                           "line of the bill saying why.\n\nrow 3, Height: missing: StraightRect "
                           "takes width, height, length");
  delete bill;

  std::ofstream(csv.toStdString()) << "no take-off here\n";
  form->ImportTakeoffClick();
  EXPECT_EQ(Imported(), nullptr);
  ASSERT_EQ(world.said.size(), 2u);
  EXPECT_NE(world.said[1].find("t.csv': no row names an Item"), std::string::npos);
}

} // namespace
} // namespace korvane::test
