// The pixel arithmetic of one grid axis: where cells start, which cell is
// under a point, and how far the grid may scroll.
#include <gtest/gtest.h>

#include "controls/GridAxis.h"

namespace korvane::test {
namespace {

// One fixed cell of 20 and four cells of 30, lines of 1 pixel.
TGridAxis MakeAxis() {
  TGridAxis axis;
  axis.SetDefaultSize(30);
  axis.SetCount(5);
  axis.SetFixed(1);
  axis.SetSize(0, 20);
  axis.SetLineWidths(1, 1);
  axis.SetFirst(1);
  return axis;
}

TEST(GridAxisTest, PositionsAndHitsAgreeAfterScrolling) {
  TGridAxis axis = MakeAxis();
  EXPECT_EQ(axis.FixedExtent(), 21);
  EXPECT_EQ(axis.Start(0), 0);
  EXPECT_EQ(axis.Start(1), 21);
  EXPECT_EQ(axis.Start(2), 52);
  struct Hit {
    int pos, index;
  };
  for (const Hit h : {Hit{0, 0}, Hit{20, 0}, Hit{21, 1}, Hit{51, 1}, Hit{52, 2}, Hit{144, 4},
                      Hit{145, -1}, Hit{-1, -1}})
    EXPECT_EQ(axis.IndexAt(h.pos), h.index) << h.pos;

  axis.SetFirst(3);
  EXPECT_EQ(axis.Start(1), -1); // scrolled out
  EXPECT_EQ(axis.Start(3), 21);
  EXPECT_EQ(axis.IndexAt(10), 0); // the fixed cell stays put
  EXPECT_EQ(axis.IndexAt(21), 3);
}

TEST(GridAxisTest, ScrollingStopsWhenTheLastCellIsInView) {
  TGridAxis axis = MakeAxis();
  // 21 fixed + room for two cells of 31: the last two fit.
  EXPECT_EQ(axis.MaxFirst(21 + 62), 3);
  EXPECT_EQ(axis.MaxFirst(1000), 1);
  EXPECT_EQ(axis.FullyVisibleCount(21 + 62), 2);
  EXPECT_EQ(axis.FullyVisibleCount(25), 1); // never less than one
  EXPECT_EQ(axis.FirstToShow(4, 21 + 62), 3);
  axis.SetFirst(4);
  EXPECT_EQ(axis.FirstToShow(2, 21 + 62), 2);
}

TEST(GridAxisTest, CountsAndMovesKeepSizesConsistent) {
  TGridAxis axis = MakeAxis();
  axis.SetSize(2, 50);
  axis.Move(2, 4);
  EXPECT_EQ(axis.Size(4), 50);
  EXPECT_EQ(axis.Size(2), 30);
  axis.SetCount(2);
  EXPECT_EQ(axis.Count(), 2);
  axis.SetFirst(9);
  EXPECT_EQ(axis.First(), 1);
  EXPECT_TRUE(axis.SizesExplicit());
  axis.SetDefaultSize(16);
  EXPECT_FALSE(axis.SizesExplicit());
  EXPECT_EQ(axis.Size(0), 16);
}

} // namespace
} // namespace korvane::test
