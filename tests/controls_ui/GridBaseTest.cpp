// The grid base without editing: defaults, counts, misuse messages, column
// formats, geometry and painting.
#include <QImage>
#include <QPainter>
#include <QTest>
#include <functional>
#include <set>

#include "controls/ui/InvalidGridOperation.h"
#include "controls/ui/StringGrid.h"
#include "controls/ui/StringGridStrings.h"
#include "tests/controls_ui/UiFixture.h"

namespace korvane::test {
namespace {

class GridBaseTest : public UiFixture {};

// The message of the EInvalidGridOperation that `action` raises.
std::string GridError(const std::function<void()> &action) {
  try {
    action();
  } catch (const EInvalidGridOperation &e) {
    return e.what();
  }
  return "(nothing raised)";
}

TEST_F(GridBaseTest, ANewGridStartsWithItsDefaults) {
  TxStringGrid grid;
  EXPECT_EQ(grid.ColCount(), 5);
  EXPECT_EQ(grid.RowCount(), 5);
  EXPECT_EQ(grid.FixedCols(), 1);
  EXPECT_EQ(grid.FixedRows(), 1);
  EXPECT_EQ(grid.DefaultColWidth(), 64);
  EXPECT_EQ(grid.DefaultRowHeight(), 16);
  EXPECT_EQ(grid.ColWidths(4), 64);
  EXPECT_EQ(grid.GridLineWidth(), 1);
  EXPECT_EQ(grid.Options(), xgoFixedVertLine | xgoFixedHorzLine | xgoVertLine | xgoHorzLine |
                                xgoRangeSelect | xgoEditing);
  EXPECT_EQ(grid.ScrollBars(), TScrollStyle::ssBoth);
  EXPECT_EQ(grid.BorderStyle(), TBorderStyle::bsSingle);
  EXPECT_TRUE(grid.DefaultDrawing());
  EXPECT_EQ(grid.DefaultColFormatStr(), "%S");
  EXPECT_EQ(grid.ColFormatStr(2), "%S");
  EXPECT_FALSE(grid.AlwaysShowCell());
  EXPECT_EQ(grid.focusPolicy() & Qt::TabFocus, Qt::TabFocus);
  EXPECT_EQ(grid.Col(), 1);
  EXPECT_EQ(grid.Row(), 1);
  EXPECT_FALSE(grid.ColWidthsStored());
}

TEST_F(GridBaseTest, MisuseRaisesItsMessage) {
  TxStringGrid grid;
  grid.SetColCount(3);
  struct Case {
    const char *what;
    std::function<void()> action;
    const char *message;
  };
  const Case cases[] = {
      {"width of column 3", [&] { grid.SetColWidths(3, 10); }, "Grid index out of range"},
      {"height of row -1", [&] { grid.SetRowHeights(-1, 10); }, "Grid index out of range"},
      {"format of column 7", [&] { grid.ColFormatStr(7); }, "Grid index out of range"},
      {"current row 5", [&] { grid.SetRow(5); }, "Grid index out of range"},
      {"current cell in the header", [&] { grid.FocusCell(0, 2); }, "Grid index out of range"},
      {"row list 9", [&] { grid.Rows(9); }, "Grid index out of range"},
      {"fixed columns = count", [&] { grid.SetFixedCols(3); },
       "Fixed column count must be less than column count"},
      {"fixed rows = count", [&] { grid.SetFixedRows(5); },
       "Fixed row count must be less than row count"},
      {"insert into a row", [&] { grid.Rows(1).Insert(0, "x"); },
       "Cannot insert or delete rows from grid"},
      {"delete from a column", [&] { grid.Cols(1).Delete(0); },
       "Cannot insert or delete rows from grid"},
  };
  for (const Case &c : cases)
    EXPECT_EQ(GridError(c.action), c.message) << c.what;

  grid.SetRowCount(2);
  EXPECT_EQ(GridError([&] { grid.DeleteRow(1); }), "Too many rows or columns deleted");
  EXPECT_EQ(grid.RowCount(), 2);
}

TEST_F(GridBaseTest, CountsOfZeroOrBelowTheFixedCountAreMadeValid) {
  TxStringGrid grid;
  grid.SetRowCount(1);
  EXPECT_EQ(grid.RowCount(), 1);
  EXPECT_EQ(grid.FixedRows(), 0);
  EXPECT_EQ(grid.Row(), 0);

  grid.SetColCount(0);
  EXPECT_EQ(grid.ColCount(), 1);
  EXPECT_EQ(grid.FixedCols(), 0);

  grid.SetColCount(3);
  grid.SetRowCount(4);
  grid.SetFixedRows(2);
  EXPECT_EQ(grid.Row(), 2); // the current cell leaves the new header
  grid.SetRow(3);
  grid.SetRowCount(3);
  EXPECT_EQ(grid.Row(), 2);
}

TEST_F(GridBaseTest, ColumnFormatsAreCutToTwelveCharacters) {
  TxStringGrid grid;
  grid.SetColFormatStr(1, "%0.3f mm long"); // 13 characters
  EXPECT_EQ(grid.ColFormatStr(1), "%0.3f mm lon");
  grid.SetColFormatStr(2, "123456789012345");
  EXPECT_EQ(grid.ColFormatStr(2), "123456789012");
  EXPECT_TRUE(grid.ColFormatStrStored());
  grid.SetDefaultColFormatStr("%0.2f and more text");
  EXPECT_EQ(grid.DefaultColFormatStr(), "%0.2f and mo");
  EXPECT_EQ(grid.ColFormatStr(1), "%0.2f and mo");
  grid.SetColCount(7);
  EXPECT_EQ(grid.ColFormatStr(6), "%0.2f and mo");
}

TEST_F(GridBaseTest, EveryNewColumnWidthIsReported) {
  TxStringGrid grid;
  int changes = 0;
  grid.OnColWidthsChanged = [&](QObject *sender) {
    EXPECT_EQ(sender, &grid);
    ++changes;
  };
  grid.SetColWidths(2, 90);
  grid.SetColWidths(2, 90); // not new
  grid.SetColWidths(0, 10);
  EXPECT_EQ(changes, 2);
  EXPECT_TRUE(grid.ColWidthsStored());
  EXPECT_FALSE(grid.RowHeightsStored());
}

TEST_F(GridBaseTest, CellRectAndMouseCoordAgreeWhileScrolled) {
  TxStringGrid grid;
  grid.SetBorderStyle(TBorderStyle::bsNone);
  grid.SetScrollBars(TScrollStyle::ssNone);
  grid.SetRowCount(30);
  grid.resize(200, 100);
  ShowActive(grid);
  grid.SetTopRow(10);
  EXPECT_EQ(grid.TopRow(), 10);
  EXPECT_TRUE(grid.CellRect(1, 5).isEmpty()); // scrolled out
  const QRect header = grid.CellRect(1, 0);
  EXPECT_EQ(header, QRect(65, 0, 64, 16));
  const QRect r = grid.CellRect(2, 11);
  EXPECT_EQ(r, QRect(130, 34, 64, 16));
  EXPECT_EQ(grid.MouseCoord(r.center()), QPoint(2, 11));
  EXPECT_EQ(grid.MouseCoord(QPoint(5, 20)), QPoint(0, 10));
  EXPECT_EQ(grid.MouseCoord(QPoint(300, 20)), QPoint(-1, -1));

  // Moving the current cell far down brings it into view.
  grid.SetRow(29);
  EXPECT_FALSE(grid.CellRect(1, 29).isEmpty());
  EXPECT_LE(grid.CellRect(1, 29).bottom(), grid.viewport()->height());
}

TEST_F(GridBaseTest, MovingARowCarriesItsTextsAndSizes) {
  TxStringGrid grid;
  for (int r = 0; r < 5; ++r)
    grid.SetCells(1, r, "r" + std::to_string(r));
  grid.SetRowHeights(1, 30);
  int from = -1, to = -1;
  grid.OnRowMoved = [&](QObject *, int f, int t) {
    from = f;
    to = t;
  };
  grid.MoveRow(1, 3);
  EXPECT_EQ(grid.Cols(1).Texts(), (std::vector<std::string>{"r0", "r2", "r3", "r1", "r4"}));
  EXPECT_EQ(grid.RowHeights(3), 30);
  EXPECT_EQ(from, 1);
  EXPECT_EQ(to, 3);

  grid.DeleteColumn(1);
  EXPECT_EQ(grid.ColCount(), 4);
  EXPECT_EQ(grid.Cells(1, 1), "");
}

TEST_F(GridBaseTest, DraggingAHeaderBorderResizesItsColumn) {
  TxStringGrid grid;
  grid.resize(400, 120);
  ShowActive(grid);
  int changes = 0;
  grid.OnColWidthsChanged = [&](QObject *) { ++changes; };
  const QRect header = grid.CellRect(1, 0);
  const QPoint border(header.right() + 1, header.center().y());
  auto drag = [&] {
    QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, border);
    QTest::mouseMove(grid.viewport(), border + QPoint(30, 0));
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, border + QPoint(30, 0));
  };
  drag(); // not without xgoColSizing
  EXPECT_EQ(grid.ColWidths(1), 64);
  grid.SetOptions(grid.Options() | xgoColSizing);
  drag();
  EXPECT_EQ(grid.ColWidths(1), 94);
  EXPECT_GE(changes, 1);
  EXPECT_EQ(grid.Row(), 1); // a press in the header selects nothing
}

TEST_F(GridBaseTest, ADoubleClickIsReported) {
  TxStringGrid grid;
  grid.resize(400, 120);
  ShowActive(grid);
  int doubles = 0, clicks = 0;
  grid.OnDblClick = [&](QObject *) { ++doubles; };
  grid.OnClick = [&](QObject *) { ++clicks; };
  // As a mouse sends it: press, release, then the second press as a double click.
  const QPoint pos = grid.CellRect(2, 3).center();
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, pos);
  QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, pos);
  EXPECT_EQ(doubles, 1);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(QPoint(grid.Col(), grid.Row()), QPoint(2, 3));
  EXPECT_FALSE(grid.EditorOpen());
}

// Every pixel of a painted empty grid is one of the grid's flat colours: no
// blended edge anywhere, at whole and fractional device pixel ratios.
TEST_F(GridBaseTest, LinesAndFillsStayCrispAtAnyPixelRatio) {
  TxStringGrid grid;
  grid.SetBorderStyle(TBorderStyle::bsNone);
  grid.SetScrollBars(TScrollStyle::ssNone);
  grid.SetGridLineWidth(1);
  grid.resize(360, 100); // room to spare right of and below the cells
  grid.show();
  const QPalette pal = grid.palette();
  const std::set<QRgb> flat = {grid.Color().rgb(), grid.FixedColor().rgb(),
                               pal.color(QPalette::Mid).rgb(), pal.color(QPalette::Dark).rgb()};
  for (double ratio : {1.0, 1.5, 2.0, 2.25}) {
    QImage image(QSize(360, 100) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::magenta);
    grid.viewport()->render(&image);
    int odd = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        odd += flat.count(image.pixel(x, y)) ? 0 : 1;
    EXPECT_EQ(odd, 0) << "ratio " << ratio;
  }
}

} // namespace
} // namespace korvane::test
