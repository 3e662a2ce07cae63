// The string grid's cells: the store it shares with the row model, row and
// column lists, objects, and how a selection shows in an inactive grid.
#include <QImage>
#include <QLineEdit>
#include <QVBoxLayout>

#include "base/MessageSink.h"
#include "controls/EntryRows.h"
#include "controls/ui/StringGrid.h"
#include "controls/ui/StringGridStrings.h"
#include "tests/controls_ui/UiFixture.h"

namespace korvane::test {
namespace {

class StringGridTest : public UiFixture {};

TEST_F(StringGridTest, TheStoreIsSharedNotCopied) {
  TCellStore store;
  store.SetSize(3, 4);
  store.SetCell(0, 1, "Width");
  TxStringGrid grid(store);
  EXPECT_EQ(&grid.CellStore(), &store);
  EXPECT_EQ(grid.ColCount(), 3);
  EXPECT_EQ(grid.RowCount(), 4);
  EXPECT_EQ(grid.Cells(0, 1), "Width");

  store.SetCell(1, 2, "2400"); // a write through the core store
  EXPECT_EQ(grid.Cells(1, 2), "2400");
  grid.SetCells(2, 3, "mm"); // and one through the grid
  EXPECT_EQ(store.Cell(2, 3), "mm");

  grid.SetRowCount(6); // the grid's size is the store's
  EXPECT_EQ(store.RowCount(), 6);
  EXPECT_EQ(store.Cell(1, 2), "2400");
  store.SetSize(3, 2);
  grid.SyncSizeFromStore();
  EXPECT_EQ(grid.RowCount(), 2);
}

TEST_F(StringGridTest, AWriteThroughTheCoreStoreIsPainted) {
  TCellStore store;
  store.SetSize(3, 3);
  TxStringGrid grid(store);
  grid.resize(300, 80);
  grid.show();
  const QRect cell = grid.CellRect(1, 1);
  auto paint = [&] {
    QImage image(grid.viewport()->size(), QImage::Format_RGB32);
    grid.viewport()->render(&image);
    return image.copy(cell);
  };
  const QImage before = paint();
  store.SetCell(1, 1, "800");
  grid.CellTextChanged(1, 1);
  EXPECT_NE(paint(), before);
  store.SetCell(1, 1, "");
  EXPECT_EQ(paint(), before);
}

// The row model and the grid on one store, wired as the entry grid wires
// them: the model's writes reach the grid and an open editor on that cell.
TEST_F(StringGridTest, TheRowModelWritesIntoTheGridsCells) {
  TCellStore store;
  TRecordingSink sink;
  TEntryRows rows(store, sink);
  QWidget window;
  auto *layout = new QVBoxLayout(&window);
  auto *grid = new TxStringGrid(store, &window);
  layout->addWidget(grid);
  rows.OnRowsRebuilt = [&] { grid->SyncSizeFromStore(); };
  rows.OnCellWritten = [&](int c, int r) { grid->CellTextChanged(c, r); };
  grid->SetFixedCols(0);
  rows.SetLines({"Property; Value; Units", "Width; %0.0f; mm; NPE; 100; 2400",
                 "Length; %0.3f; m; Spin; 0.3; 2.4; 0.3"});
  EXPECT_EQ(grid->RowCount(), 3);
  EXPECT_EQ(grid->Cells(0, 1), "Width");
  EXPECT_EQ(grid->Cells(1, 2), "0.000");

  ShowActive(window);
  grid->setFocus(Qt::OtherFocusReason);
  grid->FocusCell(1, 1);
  Key(Qt::Key_Return);
  ASSERT_TRUE(grid->EditorOpen());
  rows.SetData(1, 1, Variant(800.0));
  EXPECT_EQ(grid->Cells(1, 1), "800");
  EXPECT_EQ(grid->InplaceEditor()->text(), "800");

  // The user's edit lands in the store the model reads.
  Type("1200");
  Key(Qt::Key_Return);
  EXPECT_EQ(rows.GetData(1, 1), Variant(1200.0));
  EXPECT_TRUE(sink.messages.empty());
}

TEST_F(StringGridTest, RowListsAssignAsFarAsTheyReach) {
  TxStringGrid grid;
  grid.SetColCount(3);
  QObject tag;
  for (int c = 0; c < 3; ++c)
    grid.SetCells(c, 2, "old");
  grid.SetObjects(2, 2, &tag);
  grid.Rows(2).Assign({"a", "b"});
  EXPECT_EQ(grid.Rows(2).Texts(), (std::vector<std::string>{"a", "b", "old"}));
  EXPECT_EQ(grid.Objects(2, 2), &tag);

  // Longer lists stop at the row's end; objects go with their texts.
  grid.Rows(3).Assign({"x", "y", "z", "beyond"}, {nullptr, &tag});
  EXPECT_EQ(grid.Rows(3).Texts(), (std::vector<std::string>{"x", "y", "z"}));
  EXPECT_EQ(grid.Objects(1, 3), &tag);
  EXPECT_EQ(grid.Cols(1).Count(), grid.RowCount());
  EXPECT_EQ(grid.Cols(1).Get(3), "y");

  // Assigning one grid line to another copies texts and objects.
  grid.Rows(1).Assign(grid.Rows(3));
  EXPECT_EQ(grid.Rows(1).Texts(), grid.Rows(3).Texts());
  EXPECT_EQ(grid.Objects(1, 1), &tag);
}

TEST_F(StringGridTest, AddFillsTheFirstEmptyCellOnly) {
  TxStringGrid grid;
  grid.SetColCount(3);
  TStringGridStrings row = grid.Rows(1);
  row.Put(0, "first");
  EXPECT_EQ(row.Add("second"), 1);
  EXPECT_EQ(row.Add("third"), 2);
  EXPECT_EQ(row.Add("fourth"), -1);
  EXPECT_EQ(row.Texts(), (std::vector<std::string>{"first", "second", "third"}));
  row.Clear();
  EXPECT_EQ(row.Texts(), (std::vector<std::string>{"", "", ""}));
}

TEST_F(StringGridTest, ObjectsAreReferencesThatForgetDestroyedObjects) {
  TxStringGrid grid;
  auto tag = std::make_unique<QObject>();
  grid.SetObjects(1, 1, tag.get());
  grid.SetObjects(9, 9, tag.get()); // outside: ignored
  EXPECT_EQ(grid.Objects(1, 1), tag.get());
  EXPECT_EQ(grid.Objects(9, 9), nullptr);
  tag.reset();
  EXPECT_EQ(grid.Objects(1, 1), nullptr);
}

// A two-cell selection, painted with the grid active and inactive: the cell
// beside the focused one shows whether the selection is highlighted.
TEST_F(StringGridTest, AnInactiveGridHidesItsSelectionUnlessAlwaysShowCell) {
  QWidget window;
  auto *layout = new QVBoxLayout(&window);
  auto *grid = new TxStringGrid(&window);
  auto *other = new QLineEdit(&window);
  layout->addWidget(grid);
  layout->addWidget(other);
  ShowActive(window);
  grid->SetSelection({1, 1, 2, 1});
  auto shade = [&] {
    const QRect cell = grid->CellRect(1, 1);
    QImage image(grid->viewport()->size(), QImage::Format_RGB32);
    grid->viewport()->render(&image);
    return QColor(image.pixel(cell.center()));
  };
  const QColor highlight = grid->palette().color(QPalette::Active, QPalette::Highlight);
  grid->setFocus(Qt::OtherFocusReason);
  EXPECT_EQ(shade(), highlight);
  other->setFocus(Qt::OtherFocusReason);
  EXPECT_EQ(shade(), grid->Color());
  grid->SetAlwaysShowCell(true);
  EXPECT_EQ(shade(), highlight);
  grid->setEnabled(false);
  grid->SetAlwaysShowCell(false);
  EXPECT_EQ(shade(), grid->Color());
}

} // namespace
} // namespace korvane::test
