#include <QCheckBox>
#include <QImage>
#include <QScrollBar>
#include <QTest>
#include <QVBoxLayout>

#include "controls/ui/EntryGrid.h"
#include "controls/ui/EntryGridEditors.h"
#include "controls/ui/InplaceEdit.h"
#include "controls/ui/SystemBeep.h"
#include "tests/support/UiTest.h"

namespace korvane::test {
namespace {

const std::vector<std::string> kRows = {
    "Property; Value; Units",
    "Width; %0.0f; mm; NPE; 100; 2400",
    "Length; %0.3f; m; Spin; 0.3; 2.4; 0.3",
    "Vanes; enum;; No; Yes",
    "Gauge; enum;; Auto; 0.6; 0.8; 1.0; 1.2; 1.6; 2.0; 2.4; 3.0",
    "Cost File; %s;; PE",
};
constexpr int kWidth = 1, kLength = 2, kVanes = 3, kGauge = 4, kCost = 5;

class TEntryGridTest : public TUiTest {
protected:
  void SetUp() override {
    TUiTest::SetUp();
    host_ = std::make_unique<QWidget>();
    auto *layout = new QVBoxLayout(host_.get());
    grid = new TEntryGrid(sink, host_.get());
    layout->addWidget(grid);
    grid->SetLines(kRows);
    grid->SetData(1, kWidth, Variant(600.0));
    grid->SetData(1, kLength, Variant(1.0));
    grid->SetData(1, kVanes, Variant(std::int32_t{0}));
    grid->SetData(1, kGauge, Variant(std::int32_t{0}));
    grid->SetData(1, kCost, Variant("a.cst"));
    grid->SetColWidths(1, 120);
    grid->SetColorEditCol(Qt::white);
    grid->SetColor(QColor(0xd4, 0xd0, 0xc8));
    grid->OnDoSetData = [this](QObject *, int c, int r) { commits.push_back({c, r}); };
    host_->resize(300, 200);
    host_->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(host_.get()));
    grid->setFocus();
    previousBeep_ = SetBeepHandler([this] { ++beeps; });
  }
  void TearDown() override {
    SetBeepHandler(previousBeep_);
    host_.reset();
    TUiTest::TearDown();
  }

  bool Shown(QWidget *w) const { return w->isVisibleTo(host_.get()); }
  void Type(const QString &text) {
    for (const QChar ch : text)
      QTest::keyClick(QApplication::focusWidget(), ch.toLatin1());
  }

  TRecordingSink sink;
  TEntryGrid *grid = nullptr;
  std::vector<std::pair<int, int>> commits;
  int beeps = 0;

private:
  std::unique_ptr<QWidget> host_;
  TBeepHandler previousBeep_;
};

TEST_F(TEntryGridTest, EachRowKindShowsItsOwnEditorControls) {
  struct Case {
    int row;
    bool prop, pull, spin;
  } cases[] = {
      {kWidth, false, false, false},
      {kLength, false, false, true},
      {kVanes, false, true, false},
      {kCost, true, false, false},
  };
  for (const Case &c : cases) {
    grid->FocusCell(1, c.row);
    EXPECT_EQ(Shown(grid->PropEditorButton()), c.prop) << c.row;
    EXPECT_EQ(Shown(grid->PullDownButton()), c.pull) << c.row;
    EXPECT_EQ(Shown(grid->SpinUpButton()), c.spin) << c.row;
    EXPECT_EQ(Shown(grid->SpinDownButton()), c.spin) << c.row;
  }
  // The units cell of a spin row hides the buttons; its value cell shows them.
  grid->FocusCell(2, kLength);
  EXPECT_FALSE(Shown(grid->SpinUpButton()));
  grid->FocusCell(1, kLength);
  EXPECT_TRUE(Shown(grid->SpinUpButton()));
  // Placed at the right edge of the value cell, a row high and square.
  const QRect cell = grid->CellRect(1, kLength);
  EXPECT_EQ(grid->SpinUpButton()->geometry().right(), cell.right());
  EXPECT_EQ(grid->SpinUpButton()->width(), cell.height());
  EXPECT_EQ(grid->SpinDownButton()->geometry().top(),
            grid->SpinUpButton()->geometry().bottom() + 1);
  EXPECT_TRUE(commits.empty());
}

TEST_F(TEntryGridTest, SpinButtonsStepOnTheGridAndStopAtTheBounds) {
  grid->FocusCell(1, kLength);
  grid->SpinUpButton()->click();
  EXPECT_EQ(grid->Cells(1, kLength), "1.200");
  grid->SetData(1, kLength, Variant(1.0));
  grid->SpinDownButton()->click();
  EXPECT_EQ(grid->Cells(1, kLength), "0.900");
  grid->SetData(1, kLength, Variant(0.0));
  grid->SpinDownButton()->click();
  EXPECT_EQ(grid->Cells(1, kLength), "0.300") << "clamped up to the lower bound";
  EXPECT_EQ(commits.size(), 3u);
  grid->SetData(1, kLength, Variant(2.4));
  grid->SpinUpButton()->click();
  EXPECT_EQ(commits.size(), 3u) << "on the upper bound nothing is committed";
}

TEST_F(TEntryGridTest, ASpinButtonHeldDownStepsOnce) {
  grid->FocusCell(1, kLength);
  QTest::mousePress(grid->SpinUpButton(), Qt::LeftButton);
  // Long enough for a repeating button to have stepped several times.
  QTest::qWait(900);
  QTest::mouseRelease(grid->SpinUpButton(), Qt::LeftButton);
  EXPECT_EQ(grid->Cells(1, kLength), "1.200");
  EXPECT_EQ(commits.size(), 1u);
}

TEST_F(TEntryGridTest, EnterCommitsOnceAndBringsTheButtonsBack) {
  grid->FocusCell(1, kLength);
  QTest::keyClick(grid, Qt::Key_Return);
  ASSERT_TRUE(grid->EditorOpen());
  EXPECT_FALSE(Shown(grid->SpinUpButton()));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_FALSE(grid->EditorOpen());
  ASSERT_EQ(commits.size(), 1u) << "an unchanged text still commits";
  EXPECT_EQ(commits[0], std::make_pair(1, kLength));
  EXPECT_TRUE(Shown(grid->SpinUpButton()));
}

TEST_F(TEntryGridTest, TypedValuesAreClampedToTheRowRange) {
  struct Case {
    QString typed;
    std::string stored;
    int beeps;
  } cases[] = {{"5000", "2400", 1}, {"2410", "2410", 0}, {"50", "100", 1}, {"750", "750", 0}};
  for (const Case &c : cases) {
    commits.clear();
    beeps = 0;
    grid->FocusCell(1, kWidth);
    Type(c.typed);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(grid->Cells(1, kWidth), c.stored) << c.typed.toStdString();
    EXPECT_EQ(beeps, c.beeps) << c.typed.toStdString();
    EXPECT_EQ(commits.size(), 1u) << c.typed.toStdString();
  }
}

TEST_F(TEntryGridTest, TheEditorNeverOpensOnAnEnumerationOrOutsideTheValueColumn) {
  for (const auto &[col, row] : {std::pair{1, kVanes}, {0, kWidth}, {2, kWidth}}) {
    grid->FocusCell(col, row);
    QTest::keyClick(grid, Qt::Key_Return);
    QTest::keyClick(grid, Qt::Key_5);
    EXPECT_FALSE(grid->EditorOpen()) << col << ',' << row;
  }
  EXPECT_EQ(grid->Cells(1, kVanes), "No");
}

TEST_F(TEntryGridTest, ArrowsAndDoubleClicksCycleAnEnumeration) {
  grid->FocusCell(1, kVanes);
  QTest::keyClick(grid, Qt::Key_Right);
  EXPECT_EQ(grid->Cells(1, kVanes), "Yes");
  QTest::keyClick(grid, Qt::Key_Right);
  EXPECT_EQ(grid->Cells(1, kVanes), "No");
  QTest::keyClick(grid, Qt::Key_Left);
  EXPECT_EQ(grid->Cells(1, kVanes), "Yes");
  EXPECT_EQ(grid->Col(), 1) << "Left and Right do not move off an enumeration";
  const QPoint caption = grid->CellRect(0, kVanes).center();
  QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, caption);
  EXPECT_EQ(grid->Cells(1, kVanes), "No");
  EXPECT_EQ(commits.size(), 4u);
}

TEST_F(TEntryGridTest, ThePullDownListIsSizedInItemsAndCommitsEachKey) {
  grid->FocusCell(1, kVanes);
  grid->TogglePullDown();
  TMyListBox *list = grid->ListBox();
  ASSERT_TRUE(list->isVisible());
  const int frame = 2 * list->FrameWidth();
  EXPECT_EQ(list->height() - frame, 3 * grid->DefaultRowHeight());
  // Escape closes the list; its release reaches the grid, which stores nothing.
  QTest::keyPress(list, Qt::Key_Escape);
  EXPECT_FALSE(list->isVisible());
  QTest::keyRelease(grid, Qt::Key_Escape);
  EXPECT_TRUE(commits.empty());

  grid->FocusCell(1, kGauge);
  grid->TogglePullDown();
  ASSERT_TRUE(list->isVisible());
  EXPECT_EQ(list->height() - frame, 6 * grid->DefaultRowHeight());
  EXPECT_EQ(list->count(), 9);
  EXPECT_EQ(list->currentRow(), 0);
  QTest::keyClick(list, Qt::Key_Down);
  QTest::keyClick(list, Qt::Key_Down);
  EXPECT_EQ(commits.size(), 2u);
  EXPECT_EQ(grid->Cells(1, kGauge), "0.8");
  grid->TogglePullDown();
  EXPECT_FALSE(list->isVisible());
}

TEST_F(TEntryGridTest, APropertyEditorStoresOnOkAndLeavesTheRowOnCancel) {
  int answer = mrCancel;
  grid->SetPropertyEditor(kCost, [&](Variant &value) {
    value = Variant(value.toText() + "x");
    return answer;
  });
  grid->FocusCell(1, kCost);
  grid->PropEditorButton()->click();
  EXPECT_EQ(grid->Cells(1, kCost), "a.cst");
  EXPECT_TRUE(commits.empty());
  answer = mrOk;
  grid->PropEditorButton()->click();
  EXPECT_EQ(grid->Cells(1, kCost), "a.cstx");
  ASSERT_EQ(commits.size(), 1u);
  EXPECT_EQ(commits[0], std::make_pair(1, kCost));
}

TEST_F(TEntryGridTest, ACheckRowShowsABoxAndCommitsItsClicks) {
  grid->SetLines({"Property; Value", "Lined; check"});
  ASSERT_NE(dynamic_cast<const TBoolField *>(grid->Rows().Field(1)), nullptr);
  grid->FocusCell(1, 1);
  ASSERT_TRUE(Shown(grid->CheckBox()));
  grid->CheckBox()->click();
  EXPECT_EQ(grid->GetData(1, 1), Variant(true));
  EXPECT_EQ(commits.size(), 1u);
}

TEST_F(TEntryGridTest, TheValueColumnHasItsOwnColour) {
  grid->FocusCell(1, kWidth);
  grid->clearFocus();
  const QImage image = grid->viewport()->grab().toImage();
  const QPoint value = grid->CellRect(1, kGauge).topLeft() + QPoint(1, 1);
  const QPoint caption = grid->CellRect(0, kGauge).topLeft() + QPoint(1, 1);
  EXPECT_EQ(image.pixelColor(value), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(caption), QColor(0xd4, 0xd0, 0xc8));
}

TEST_F(TEntryGridTest, NewLinesDropTheOpenEditAndFireNothing) {
  grid->FocusCell(1, kWidth);
  Type(QStringLiteral("9"));
  ASSERT_TRUE(grid->EditorOpen());
  grid->SetLines({"Property; Value", "Diameter; %0.0f; mm; NPE; 100; 1600"});
  EXPECT_FALSE(grid->EditorOpen());
  EXPECT_EQ(grid->RowCount(), 2);
  EXPECT_TRUE(commits.empty());
}

} // namespace
} // namespace korvane::test

namespace korvane::test {
namespace {

// Sends the pull-down list a pointer move to `global`, as the open pop-up
// receives every move of the pointer.
void MovePointer(TMyListBox &list, const QPoint &global) {
  QMouseEvent move(QEvent::MouseMove, QPointF(list.mapFromGlobal(global)), QPointF(global),
                   Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&list, &move);
}

TEST_F(TEntryGridTest, ThePointerOverAnotherRowClosesTheListSoOneClickSelectsIt) {
  grid->FocusCell(1, kGauge);
  grid->TogglePullDown();
  TMyListBox *list = grid->ListBox();
  ASSERT_TRUE(list->isVisible());
  auto at = [&](int col, int row) { return grid->CellRect(col, row).center(); };
  MovePointer(*list, grid->viewport()->mapToGlobal(at(1, kVanes)));
  EXPECT_TRUE(list->isVisible()) << "over an enumeration's value the list stays";
  MovePointer(*list, grid->viewport()->mapToGlobal(at(1, kWidth)));
  EXPECT_FALSE(list->isVisible());
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at(1, kWidth));
  EXPECT_EQ(grid->Row(), kWidth);
  EXPECT_TRUE(commits.empty()) << "opening and closing the list stores nothing";
}

} // namespace
} // namespace korvane::test
