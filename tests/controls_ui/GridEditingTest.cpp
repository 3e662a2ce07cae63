// In-place editing in the grid base: when the editor opens, how an edit is
// committed (Enter, moves, mouse presses, focus loss), that the commit
// notification fires once with the cell already written, and key routing.
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "controls/ui/StringGrid.h"
#include "tests/controls_ui/UiFixture.h"

namespace korvane::test {
namespace {

// Sets a range on the editor as the entry grid does with its row ranges.
class RangeGrid : public TxStringGrid {
public:
  using TxCustomGrid::TreatNextPressAsNewCell;
  using TxStringGrid::TxStringGrid;
  double lo = 0.0;
  double hi = 0.0;

protected:
  void SetupEditor(int col, int row) override {
    TxStringGrid::SetupEditor(col, row);
    InplaceEditor()->SetRangeLo(lo);
    InplaceEditor()->SetRangeHi(hi);
  }
};

struct Commit {
  int col, row;
  std::string cell; // the cell's text when the notification fired
  int currentRow;   // the grid's current row then
};

class GridEditingTest : public UiFixture {
protected:
  void SetUp() override {
    UiFixture::SetUp();
    auto *layout = new QVBoxLayout(&window);
    grid = new RangeGrid(&window);
    other = new QLineEdit(&window);
    layout->addWidget(grid);
    layout->addWidget(other);
    window.resize(400, 200);
    for (int c = 1; c < 5; ++c)
      grid->SetColFormatStr(c, "%0.0f");
    grid->OnDoSetData = [this](QObject *sender, int col, int row) {
      EXPECT_EQ(sender, grid);
      commits.push_back({col, row, grid->Cells(col, row), grid->Row()});
    };
    ShowActive(window);
    grid->setFocus(Qt::OtherFocusReason);
    Settle();
  }
  TxInplaceEdit *Editor() const { return grid->InplaceEditor(); }
  bool EditorShown() const { return Editor() && Editor()->isVisible() && grid->EditorOpen(); }
  void Click(int col, int row) {
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(col, row).center());
    Settle();
  }

  QWidget window;
  RangeGrid *grid = nullptr;
  QLineEdit *other = nullptr;
  std::vector<Commit> commits;
};

TEST_F(GridEditingTest, EnterOpensTheEditorAndEnterCommitsOnce) {
  grid->SetCells(1, 1, "0");
  Key(Qt::Key_Return);
  ASSERT_TRUE(EditorShown());
  EXPECT_EQ(Focus(), Editor());
  EXPECT_EQ(Editor()->FormatStr(), "%0.0f");
  EXPECT_EQ(Editor()->selectedText(), "0");
  Type("800");
  EXPECT_EQ(grid->Cells(1, 1), "800"); // every change reaches the cell at once
  EXPECT_TRUE(commits.empty());
  Key(Qt::Key_Return);
  EXPECT_FALSE(EditorShown());
  ASSERT_EQ(commits.size(), 1u);
  EXPECT_EQ(commits[0].col, 1);
  EXPECT_EQ(commits[0].row, 1);
  EXPECT_EQ(commits[0].cell, "800");
  EXPECT_EQ(Focus(), grid);
}

TEST_F(GridEditingTest, CommitClampsToTheRangeBeyondTheTolerance) {
  grid->lo = 100;
  grid->hi = 2400;
  struct Case {
    const char *typed;
    const char *stored;
    int beeps;
  };
  for (const Case &c : {Case{"5000", "2400", 1}, Case{"2410", "2410", 0}, Case{"50", "100", 1}}) {
    SCOPED_TRACE(c.typed);
    commits.clear();
    beeps = 0;
    Key(Qt::Key_Return);
    Type(c.typed);
    Key(Qt::Key_Return);
    EXPECT_EQ(grid->Cells(1, 1), c.stored);
    EXPECT_EQ(beeps, c.beeps);
    ASSERT_EQ(commits.size(), 1u);
    EXPECT_EQ(commits[0].cell, c.stored);
    EXPECT_FALSE(EditorShown());
  }
}

TEST_F(GridEditingTest, CommittingAnUnchangedTextStillNotifies) {
  grid->SetCells(1, 1, "12");
  Key(Qt::Key_Return);
  Key(Qt::Key_Return);
  ASSERT_EQ(commits.size(), 1u);
  EXPECT_EQ(commits[0].cell, "12");
}

TEST_F(GridEditingTest, MovingDownCommitsTheOldCellAfterTheMove) {
  Key(Qt::Key_Return);
  Type("7");
  Key(Qt::Key_Down);
  EXPECT_EQ(grid->Row(), 2);
  EXPECT_FALSE(EditorShown());
  ASSERT_EQ(commits.size(), 1u);
  EXPECT_EQ(commits[0].row, 1);
  EXPECT_EQ(commits[0].cell, "7");
  EXPECT_EQ(commits[0].currentRow, 2);
}

TEST_F(GridEditingTest, EveryMousePressCommitsFirst) {
  // A press on another cell.
  Key(Qt::Key_Return);
  Type("42");
  Click(2, 3);
  ASSERT_EQ(commits.size(), 1u);
  EXPECT_EQ(commits[0].col, 1);
  EXPECT_EQ(commits[0].row, 1);
  EXPECT_EQ(commits[0].cell, "42");
  EXPECT_EQ(grid->Col(), 2);
  EXPECT_EQ(grid->Row(), 3);
  EXPECT_FALSE(EditorShown());

  // A press on a header cell, which selects nothing.
  Key(Qt::Key_Return);
  Type("9");
  Click(3, 0);
  ASSERT_EQ(commits.size(), 2u);
  EXPECT_EQ(commits[1].cell, "9");
  EXPECT_FALSE(EditorShown());
  EXPECT_EQ(grid->Row(), 3);
}

TEST_F(GridEditingTest, APressOnTheCurrentCellOpensTheEditorUnlessItCountsAsNew) {
  Click(2, 2);
  EXPECT_FALSE(EditorShown());
  Click(2, 2);
  EXPECT_TRUE(EditorShown());
  Key(Qt::Key_Return);

  grid->TreatNextPressAsNewCell();
  int selections = 0;
  grid->OnSelectCell = [&](QObject *, int, int, bool &) { ++selections; };
  Click(2, 2);
  EXPECT_FALSE(EditorShown());
  EXPECT_EQ(selections, 1); // selected again
  Click(2, 2);
  EXPECT_TRUE(EditorShown());
}

TEST_F(GridEditingTest, ATypedCharacterOpensTheEditorAndReplacesTheText) {
  grid->SetCells(1, 1, "12");
  Type("7");
  ASSERT_TRUE(EditorShown());
  EXPECT_EQ(Editor()->text(), "7");
  Key(Qt::Key_Return);
  EXPECT_EQ(grid->Cells(1, 1), "7");
  ASSERT_EQ(commits.size(), 1u);

  // A refused character opens it too, and beeps.
  Type("x");
  EXPECT_TRUE(EditorShown());
  EXPECT_EQ(beeps, 1);
}

TEST_F(GridEditingTest, NavigationKeysMoveTheCurrentCell) {
  grid->SetRowCount(40);
  struct Step {
    Qt::Key key;
    Qt::KeyboardModifiers mods;
    int col, row;
  };
  const Step steps[] = {
      {Qt::Key_Right, Qt::NoModifier, 2, 1},     {Qt::Key_Down, Qt::NoModifier, 2, 2},
      {Qt::Key_Home, Qt::NoModifier, 1, 2},      {Qt::Key_Left, Qt::NoModifier, 1, 2},
      {Qt::Key_End, Qt::NoModifier, 4, 2},       {Qt::Key_Right, Qt::NoModifier, 4, 2},
      {Qt::Key_End, Qt::ControlModifier, 4, 39}, {Qt::Key_Down, Qt::NoModifier, 4, 39},
      {Qt::Key_Home, Qt::ControlModifier, 1, 1}, {Qt::Key_Up, Qt::NoModifier, 1, 1},
  };
  for (const Step &s : steps) {
    Key(s.key, s.mods);
    EXPECT_EQ(QPoint(grid->Col(), grid->Row()), QPoint(s.col, s.row)) << s.key;
  }
  const int page = grid->VisibleRowCount();
  ASSERT_GT(page, 1);
  Key(Qt::Key_PageDown);
  EXPECT_EQ(grid->Row(), 1 + page);
  Key(Qt::Key_PageUp);
  EXPECT_EQ(grid->Row(), 1);

  // Shift extends the selection from its anchor.
  Key(Qt::Key_Right, Qt::ShiftModifier);
  Key(Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 2, 2}));
  EXPECT_TRUE(commits.empty());
}

TEST_F(GridEditingTest, TheEditorKeepsCaretKeysUntilTheCaretReachesTheEnd) {
  grid->SetCol(2);
  grid->SetCells(2, 1, "123");
  Key(Qt::Key_F2); // caret at the end
  ASSERT_TRUE(EditorShown());
  EXPECT_EQ(Editor()->cursorPosition(), 3);
  EXPECT_FALSE(Editor()->hasSelectedText());
  Key(Qt::Key_Left);
  Key(Qt::Key_Home);
  EXPECT_EQ(Editor()->cursorPosition(), 0);
  EXPECT_EQ(grid->Col(), 2);
  Key(Qt::Key_Left); // at the start: the grid moves
  EXPECT_EQ(grid->Col(), 1);
  ASSERT_EQ(commits.size(), 1u);
  EXPECT_EQ(commits[0].col, 2);

  // A fully selected text counts as at both ends; Ctrl always goes to the grid.
  Key(Qt::Key_Return);
  ASSERT_TRUE(EditorShown());
  Key(Qt::Key_Right);
  EXPECT_EQ(grid->Col(), 2);
  Key(Qt::Key_F2);
  Key(Qt::Key_Left);
  Key(Qt::Key_Right, Qt::ControlModifier);
  EXPECT_EQ(grid->Col(), 3);
  EXPECT_EQ(commits.size(), 3u);
}

TEST_F(GridEditingTest, EscapeInTheEditorChangesNothing) {
  grid->SetCells(1, 1, "5");
  Key(Qt::Key_Return);
  Type("66");
  Key(Qt::Key_Escape);
  EXPECT_TRUE(EditorShown());
  EXPECT_EQ(Editor()->text(), "66");
  EXPECT_TRUE(commits.empty());
}

TEST_F(GridEditingTest, LosingTheFocusToAnotherControlCommits) {
  Key(Qt::Key_Return);
  Type("5");
  other->setFocus(Qt::MouseFocusReason);
  Settle();
  EXPECT_FALSE(EditorShown());
  EXPECT_TRUE(other->hasFocus());
  ASSERT_EQ(commits.size(), 1u);
  EXPECT_EQ(commits[0].cell, "5");

  // Coming back by Tab does not reopen the editor.
  grid->setFocus(Qt::TabFocusReason);
  Settle();
  EXPECT_FALSE(EditorShown());
}

TEST_F(GridEditingTest, TabLeavesTheGridUnlessTabsAreCellMoves) {
  Key(Qt::Key_Tab);
  EXPECT_TRUE(other->hasFocus());

  grid->setFocus(Qt::OtherFocusReason);
  grid->SetOptions(grid->Options() | xgoTabs);
  Key(Qt::Key_Return);
  Type("3");
  Key(Qt::Key_Tab);
  EXPECT_EQ(grid->Col(), 2);
  EXPECT_EQ(Focus(), grid);
  ASSERT_EQ(commits.size(), 1u);
  Key(Qt::Key_Backtab);
  EXPECT_EQ(grid->Col(), 1);
}

TEST_F(GridEditingTest, TheEditorOpensOnlyWhereAllowed) {
  int asked = 0;
  grid->OnCanEditShow = [&](QObject *, int col, int, bool &can) {
    ++asked;
    can = col != 1;
  };
  Key(Qt::Key_Return);
  Type("4");
  EXPECT_FALSE(EditorShown());
  EXPECT_GT(asked, 0);
  Key(Qt::Key_Right);
  Key(Qt::Key_Return);
  EXPECT_TRUE(EditorShown());
  Key(Qt::Key_Return);

  grid->OnCanEditShow = nullptr;
  grid->SetOptions(grid->Options() | xgoRowSelect);
  Key(Qt::Key_Return);
  EXPECT_FALSE(EditorShown());
}

TEST_F(GridEditingTest, TheWheelMovesTheCurrentRowUnlessHandled) {
  auto wheel = [&](int delta) {
    const QPointF pos = grid->CellRect(1, 1).center();
    QWheelEvent e(pos, grid->viewport()->mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(grid->viewport(), &e);
  };
  Key(Qt::Key_Return);
  Type("8");
  wheel(-120);
  EXPECT_EQ(grid->Row(), 2);
  EXPECT_EQ(commits.size(), 1u);
  wheel(-60);
  wheel(-60); // two half notches make one
  EXPECT_EQ(grid->Row(), 3);
  wheel(120);
  EXPECT_EQ(grid->Row(), 2);
  grid->OnMouseWheel = [](QObject *, Qt::KeyboardModifiers, int, QPoint, bool &handled) {
    handled = true;
  };
  wheel(-120);
  EXPECT_EQ(grid->Row(), 2);
}

TEST_F(GridEditingTest, WritingTheEditedCellByProgramReloadsTheEditor) {
  Key(Qt::Key_Return);
  Type("1");
  grid->SetCells(1, 1, "55");
  EXPECT_EQ(Editor()->text(), "55");
  grid->SetCells(2, 1, "66"); // another cell leaves it alone
  EXPECT_EQ(Editor()->text(), "55");
}

TEST_F(GridEditingTest, AnAlwaysShownEditorFollowsTheCurrentCell) {
  grid->SetOptions(grid->Options() | xgoAlwaysShowEditor);
  ASSERT_TRUE(EditorShown());
  Type("3");
  Key(Qt::Key_Down);
  ASSERT_EQ(commits.size(), 1u);
  EXPECT_EQ(commits[0].row, 1);
  EXPECT_TRUE(EditorShown());
  EXPECT_EQ(grid->EditorRow(), 2);
  Key(Qt::Key_Return); // Enter does not close it
  EXPECT_TRUE(EditorShown());
}

} // namespace
} // namespace korvane::test
