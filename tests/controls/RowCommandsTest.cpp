#include <gtest/gtest.h>

#include "EntryRowsFixture.h"
#include "controls/RowCommands.h"

namespace korvane {
namespace {

using enum TSpinDirection;

TEST(SpinRow, StepsToTheNextMultipleWithinTheRange) {
  const struct {
    const char *row;
    const char *from;
    TSpinDirection dir;
    const char *to; // nullptr: nothing happens
  } cases[] = {
      {"Length; %0.3f; m; Spin; 0.3; 2.4; 0.3", "1.000", Up, "1.200"},
      {"Length; %0.3f; m; Spin; 0.3; 2.4; 0.3", "1.000", Down, "0.900"},
      {"Length; %0.3f; m; Spin; 0.3; 2.4; 0.3", "1.200", Up, "1.500"},
      {"Length; %0.3f; m; Spin; 0.3; 2.4; 0.3", "2.400", Up, nullptr},
      {"Length; %0.3f; m; Spin; 0.3; 2.4; 0.3", "2.300", Up, "2.400"},
      {"Length; %0.3f; m; Spin; 0.3; 2.4; 0.3", "0.000", Up, "0.300"},
      {"Length; %0.3f; m; Spin; 0.3; 2.4; 0.3", "0.000", Down, "0.300"}, // clamped
      {"Length; %0.3f; m; Spin; 0.3; 2.4; 0.3", "0.300", Down, nullptr},
      {"Length; %0.3f; m; Spin; 0.3; 2.4; 0.3", "1.2004", Up, "1.500"}, // from what is shown
      {"Length; %0.3f; m; Spin; 0.3; 2.4; 0.3", "nine", Up, nullptr},
      {"Angle; %0.0f; °; Spin; 0; 180; 45", "90", Up, "135"},
      {"Angle; %0.0f; °; Spin; 0; 180; 45", "100", Down, "90"},
      {"Angle; %0.0f; °; Spin; 0; 180; 45", "180", Up, nullptr},
      {"Level; %0.1f; m; Spin; 0; 10; 0.1", "0.3", Up, "0.4"}, // 0.3 / 0.1 is 2.999...
      {"Level; %0.1f; m; Spin; 0; 10; 0.1", "0.7", Up, "0.8"},
      {"Level; %0.1f; m; Spin; 0; 10; 0.1", "0.3", Down, "0.2"},
      {"Temp; %0.1f; C; Spin; -10; 10; 0.5", "-1.2", Up, "-1.0"},
      {"Temp; %0.1f; C; Spin; -10; 10; 0.5", "-1.2", Down, "-1.5"},
      {"Count; %d;; Spin; 0; 10", "4", Up, "5"},
      {"Width; %0.0f; mm; NPE; 100; 2400; 0", "500", Up, nullptr}, // no step
      {"Vanes; enum;; No; Yes", "No", Up, nullptr},
  };
  for (const auto &c : cases) {
    EntryRowsFixture g;
    g.Row(c.row);
    g.cells.SetCell(1, 1, c.from);
    SCOPED_TRACE(std::string(c.row) + " from " + c.from);
    EXPECT_EQ(SpinRow(g.rows, 1, c.dir), c.to != nullptr);
    EXPECT_EQ(g.Value(), c.to ? c.to : c.from);
    EXPECT_EQ(g.commits.size(), c.to ? 1u : 0u);
  }
}

TEST(CycleEnum, WrapsAtBothEndsAndCommitsEachStep) {
  EntryRowsFixture g;
  g.Row("Vanes; enum;; No; Yes");
  EXPECT_TRUE(CycleEnum(g.rows, 1, true));
  EXPECT_EQ(g.Value(), "Yes");
  CycleEnum(g.rows, 1, true);
  EXPECT_EQ(g.Value(), "No");
  CycleEnum(g.rows, 1, false);
  EXPECT_EQ(g.Value(), "Yes");
  EXPECT_EQ(g.commits, (std::vector<std::pair<int, int>>(3, {1, 1})));

  g.cells.SetCell(1, 1, "Maybe"); // no item: back to an end, never an empty cell
  CycleEnum(g.rows, 1, false);
  EXPECT_EQ(g.Value(), "Yes");
  g.cells.SetCell(1, 1, "");
  CycleEnum(g.rows, 1, true);
  EXPECT_EQ(g.Value(), "No");

  g.Row("Radius; enum; mm");
  EXPECT_FALSE(CycleEnum(g.rows, 1, true));
  g.Row("Width; %0.0f; mm; NPE; 100; 2400");
  EXPECT_FALSE(CycleEnum(g.rows, 1, true));
}

TEST(EditProperty, StoresTheEditedValueOnlyOnOk) {
  EntryRowsFixture g;
  g.rows.SetLines({"Property; Value", "Cost File; %s;; PE", "Markup; %0.2f;; NPE; 0; 9"});
  g.cells.SetCell(1, 1, "old.cst");
  Variant seen;
  int answer = mrOk;
  g.rows.SetPropertyEditor(1, [&](Variant &v) {
    seen = v;
    v = Variant("new.cst");
    return answer;
  });

  EXPECT_EQ(EditProperty(g.rows, 1), mrOk);
  EXPECT_EQ(seen, Variant("old.cst"));
  EXPECT_EQ(g.Value(), "new.cst");
  EXPECT_EQ(g.commits.size(), 1u);

  answer = mrCancel;
  g.cells.SetCell(1, 1, "kept.cst");
  EXPECT_EQ(EditProperty(g.rows, 1), mrCancel);
  EXPECT_EQ(g.Value(), "kept.cst");
  EXPECT_EQ(g.commits.size(), 1u);

  EXPECT_EQ(EditProperty(g.rows, 2), 0); // no editor on that row
  EXPECT_EQ(EditProperty(g.rows, 7), 0);

  // An editor that reassigns the rows must not pull its own field away.
  answer = mrOk;
  g.rows.SetPropertyEditor(1, [&](Variant &v) {
    g.rows.SetLines({"Property; Value", "Cost File; %s;; PE"});
    v = Variant("after.cst");
    return answer; // reads the editor's own captures after the rebuild
  });
  EXPECT_EQ(EditProperty(g.rows, 1), mrOk);
  EXPECT_EQ(g.Value(), "after.cst");
}

} // namespace
} // namespace korvane
