#include "costs/ui/SpiralFittingsForm.h"

#include <QPlainTextEdit>
#include <QTabWidget>

#include "costs/SpiralPriceListText.h"
#include "tests/support/UiTest.h"

namespace korvane {
namespace {

class SpiralFittingsFormTest : public test::TUiTest {
protected:
  SpiralFittingsFormTest() {
    costs = DefaultCosts();
    costs.SpiralFittingFact = 1.15;
    for (std::size_t r = 0; r < kFittingRows; ++r) {
      table.cols[fcDia][r] = kBuiltInDiameters[r];
      for (std::size_t c = 1; c < kFittingCols; ++c)
        table.cols[c][r] = double(10 * c + r);
    }
  }
  QString Expected(int group) const {
    QStringList lines;
    for (const std::string &line :
         FittingScreenLines(FittingGroups()[std::size_t(group)], table, costs.SpiralFittingFact))
      lines << QString::fromStdString(line);
    return lines.join(QLatin1Char('\n'));
  }
  TSpiralPriceTable table;
  TCostRec costs{};
};

TEST_F(SpiralFittingsFormTest, BuildsThreeReadOnlyTabsFirstActive) {
  TSpiralFittingsForm form(table, costs);
  EXPECT_EQ(form.windowTitle(), "Spiral Duct Fittings");
  ASSERT_EQ(form.Tabs()->count(), 3);
  EXPECT_EQ(form.Tabs()->tabText(0), "Elbows");
  EXPECT_EQ(form.Tabs()->tabText(1), "Fittings");
  EXPECT_EQ(form.Tabs()->tabText(2), "Reducers and T-Pieces");
  EXPECT_EQ(form.Tabs()->currentIndex(), 0);
  for (int g = 0; g < 3; ++g) {
    EXPECT_TRUE(form.Memo(g)->isReadOnly());
    EXPECT_EQ(form.Memo(g)->lineWrapMode(), QPlainTextEdit::NoWrap);
  }
}

TEST_F(SpiralFittingsFormTest, EachShowingListsTheCurrentFactoredPrices) {
  TSpiralFittingsForm form(table, costs);
  form.show();
  for (int g = 0; g < 3; ++g)
    EXPECT_EQ(form.Memo(g)->toPlainText(), Expected(g)) << g;
  EXPECT_TRUE(form.Memo(0)->toPlainText().startsWith("Dia\t45-90°"));
  form.hide();

  // The cost editor stores a new factor before showing the view again.
  costs.SpiralFittingFact = 2;
  table.cols[fcNipple][3] = 0.125;
  form.show();
  EXPECT_EQ(form.Memo(1)->toPlainText(), Expected(1));
  EXPECT_TRUE(form.Memo(1)->toPlainText().contains("175\t106.00\t0.25\t146.00"));
}

TEST_F(SpiralFittingsFormTest, FocusAndCaretGoToTheStartOfTheActiveTab) {
  TSpiralFittingsForm form(table, costs);
  form.show();
  form.Memo(0)->moveCursor(QTextCursor::End);
  form.hide();
  form.Tabs()->setCurrentIndex(2);
  form.show();
  EXPECT_EQ(form.focusWidget(), form.Memo(2));
  for (int g = 0; g < 3; ++g) {
    EXPECT_EQ(form.Memo(g)->textCursor().position(), 0) << g;
    EXPECT_FALSE(form.Memo(g)->textCursor().hasSelection()) << g;
  }
}

} // namespace
} // namespace korvane
