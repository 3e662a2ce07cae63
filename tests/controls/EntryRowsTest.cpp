#include <gtest/gtest.h>

#include "EntryRowsFixture.h"
#include "controls/RowText.h"

namespace korvane {
namespace {

std::string FieldClass(const TField *f) {
  if (dynamic_cast<const TDelimNumField *>(f))
    return "pair";
  if (dynamic_cast<const TNumField *>(f))
    return "num";
  if (dynamic_cast<const TEnumField *>(f))
    return "enum";
  if (dynamic_cast<const TBoolField *>(f))
    return "bool";
  return f ? "text" : "none";
}

TEST(SplitSpec, TrimsPiecesAndKeepsInnerEmptyOnes) {
  using V = std::vector<std::string>;
  EXPECT_EQ(SplitSpec(';', "Vanes; enum;; No; Yes"), (V{"Vanes", "enum", "", "No", "Yes"}));
  EXPECT_EQ(SplitSpec(';', "Width ;\t%0.0f\t; mm;"), (V{"Width", "%0.0f", "mm"}));
  EXPECT_EQ(SplitSpec(';', ""), V{});
  EXPECT_EQ(SplitSpec('|', "A|B;C"), (V{"A", "B;C"}));
}

TEST(EntryRows, BuildsEachKindOfRowFromItsText) {
  using enum TEditorKind;
  const struct {
    const char *text;
    const char *caption, *value, *units;
    const char *cls;
    TEditorKind kind;
    double lo, hi, step;
  } cases[] = {
      {"Width; %0.0f; mm; NPE; 100; 2400", "Width", "0", "mm", "num", ekNone, 100, 2400, 1},
      {"Length; %0.3f; m; Spin; 0.1; 1.2; 0.3", "Length", "0.000", "m", "num", ekSpin, 0.1, 1.2,
       0.3},
      {"Length; %0.3f; m; NPE; 0.1; 99.0", "Length", "0.000", "m", "num", ekNone, 0.1, 99, 1},
      {"Angle; %0.0f; °; spin; 0; 180; 45", "Angle", "0", "°", "num", ekSpin, 0, 180, 45},
      {"Count; %d;; pe; 1; 10", "Count", "0", "", "num", ekPropEditor, 1, 10, 1},
      {"Size; %0.0f/%0.0f; mm; NPE; 0; 100", "Size", "0/0", "mm", "pair", ekNone, 0, 100, 1},
      {"Gauge; enum; mm; Auto; 0.6; 0.8; 1.0; 1.2; 1.6; 2.0; 2.4; 3.0", "Gauge", "Auto", "mm",
       "enum", ekEnum, 0, 0, 0},
      {"Vanes; enum;; No; Yes", "Vanes", "No", "", "enum", ekEnum, 0, 0, 0},
      {"Flange; enum;; Auto; Slip and Drive; 20/3mm Angle", "Flange", "Auto", "", "enum", ekEnum, 0,
       0, 0},
      {"Radius; enum; mm", "Radius", "", "mm", "enum", ekEnum, 0, 0, 0},
      {"Cost File; %s;; PE", "Cost File", "", "", "text", ekPropEditor, 0, 0, 0},
      {"Sealed; check;; Spin", "Sealed", "", "", "bool", ekCheck, 0, 0, 0},
  };
  for (const auto &c : cases) {
    EntryRowsFixture g;
    g.Row(c.text);
    SCOPED_TRACE(c.text);
    EXPECT_EQ(g.cells.Cell(0, 1), c.caption);
    EXPECT_EQ(g.Value(), c.value);
    EXPECT_EQ(g.cells.Cell(2, 1), c.units);
    const TField *f = g.rows.Field(1);
    EXPECT_EQ(FieldClass(f), c.cls);
    EXPECT_EQ(f->Kind(), c.kind);
    if (const auto *num = dynamic_cast<const TNumField *>(f)) {
      EXPECT_EQ(num->RangeLo(), c.lo);
      EXPECT_EQ(num->RangeHi(), c.hi);
      EXPECT_EQ(num->Step(), c.step);
      EXPECT_EQ(num->FormatType(), TFormatType::ft_Fixed);
      EXPECT_EQ(num->SigDigs(), 5);
    }
    EXPECT_TRUE(g.sink.messages.empty());
    EXPECT_TRUE(g.commits.empty());
  }
  EntryRowsFixture g;
  g.Row("Gauge; enum; mm; Auto; 0.6; 0.8; 1.0; 1.2; 1.6; 2.0; 2.4; 3.0");
  EXPECT_EQ(dynamic_cast<const TEnumField *>(g.rows.Field(1))->Items().size(), 9u);
  g.Row("Radius; enum; mm"); // short text: no blank items from padding
  EXPECT_TRUE(dynamic_cast<const TEnumField *>(g.rows.Field(1))->Items().empty());
}

TEST(EntryRows, UnreadableRangeMakesATextRowAndSaysSo) {
  for (const char *text : {"Width; %0.0f; mm; NPE; 100", "Width; %0.0f; mm; NPE; 100; x",
                           "Width; %0.0f; mm; NPE; 1; 9; big", "Width; %0.0f; mm; NPE; ; 9"}) {
    EntryRowsFixture g;
    g.rows.SetLines({"Property; Value; Units", text, "Vanes; enum;; No; Yes"});
    SCOPED_TRACE(text);
    ASSERT_EQ(g.sink.messages.size(), 1u);
    EXPECT_EQ(g.sink.messages[0].text, "Error initialising Width");
    EXPECT_EQ(g.sink.messages[0].kind, TMsgKind::Error);
    EXPECT_EQ(g.sink.messages[0].buttons, TMsgButtons::Ok);
    EXPECT_EQ(FieldClass(g.rows.Field(1)), "text");
    EXPECT_EQ(g.rows.Field(1)->FormatStr(), "%S");
    EXPECT_EQ(g.Value(), "0");
    EXPECT_EQ(g.rows.GetData(1, 2), Variant(std::int32_t{0})); // later rows still built
  }
  EntryRowsFixture g;
  g.Row("Width; %0.0f; mm; NPE; 1; 9;"); // a closing delimiter is no empty step
  EXPECT_TRUE(g.sink.messages.empty());
}

TEST(EntryRows, ReadsValueCellsByTheRowField) {
  const struct {
    const char *row;
    const char *cell;
    Variant value;
  } cases[] = {
      {"Length; %0.3f; m; NPE; 0.1; 99.0", " 1 2.5 ", 12.5},
      {"Length; %0.3f; m; NPE; 0.1; 99.0", "--3", -3.0},
      {"Length; %0.3f; m; NPE; 0.1; 99.0", "1.2.3", 1.2},
      {"Length; %0.3f; m; NPE; 0.1; 99.0", "e5", 100000.0},
      {"Length; %0.3f; m; NPE; 0.1; 99.0", "", 0.0},
      {"Length; %0.3f; m; NPE; 0.1; 99.0", "12,5", "12,5"},
      {"Length; %0.3f; m; NPE; 0.1; 99.0", "abc", "abc"},
      {"Count; %d;; NPE; 0; 10", "2.5", std::int32_t{2}},
      {"Count; %d;; NPE; 0; 10", "3.5", std::int32_t{4}},
      {"Count; %d;; NPE; 0; 10", "-2.5", std::int32_t{-2}},
      {"Count; %d;; NPE; 0; 10", "5e9", "5e9"},
      {"Size; %0.1f/%0.1f; mm; NPE; 0; 9", "", "0.0/0.0"},
      {"Size; %0.1f/%0.1f; mm; NPE; 0; 9", "20/3", "20.0/3.0"},
      {"Size; %0.1f/%0.1f; mm; NPE; 0; 9", "7.25", "7.25"},
      {"Size; %0.1f/%0.1f; mm; NPE; 0; 9", "a/b", "a/b"},
      {"Vanes; enum;; No; Yes", "yES", std::int32_t{1}},
      {"Vanes; enum;; No; Yes", "Maybe", std::int32_t{-1}},
      {"Sealed; check", "[X]", true},
      {"Sealed; check", "[ ]", false},
      {"Sealed; check", "", false},
      {"Cost File; %s;; PE", " a b ", " a b "},
  };
  for (const auto &c : cases) {
    EntryRowsFixture g;
    g.Row(c.row);
    g.cells.SetCell(1, 1, c.cell);
    EXPECT_EQ(g.rows.GetData(1, 1), c.value) << c.row << " / " << c.cell;
  }
  EntryRowsFixture g;
  g.Row("Width; %0.0f; mm; NPE; 100; 2400");
  EXPECT_EQ(g.rows.GetData(0, 1), Variant("Width")); // other columns: the text
  EXPECT_EQ(g.rows.GetData(1, 0), Variant("Value"));
  EXPECT_EQ(g.rows.GetData(1, 5), Variant("")); // outside the rows
}

TEST(EntryRows, WritesValuesInTheRowFormatAndReadsThemBack) {
  const struct {
    const char *row;
    Variant in;
    const char *cell;
    Variant out;
  } cases[] = {
      {"Length; %0.3f; m; Spin; 0.3; 2.4; 0.3", 1.2, "1.200", 1.2},
      {"Width; %0.0f; mm; NPE; 100; 2400", 799.5, "800", 800.0},
      {"Width; %0.0f; mm; NPE; 100; 2400", std::int32_t{750}, "750", 750.0},
      {"Width; %0.0f; mm; NPE; 100; 2400", "600", "600", 600.0},
      {"Width; %0.0f; mm; NPE; 100; 2400", "wide", "", 0.0},
      {"Width; %0.0f; mm; NPE; 100; 2400", Variant(), "", 0.0},
      {"Count; %d;; NPE; 0; 10", 2.5, "2", std::int32_t{2}},
      {"Count; %d;; NPE; 0; 10", 5e9, "", std::int32_t{0}},
      {"Gauge; enum; mm; Auto; 0.6; 0.8; 1.0; 1.2; 1.6; 2.0; 2.4; 3.0", std::int32_t{2}, "0.8",
       std::int32_t{2}},
      {"Gauge; enum; mm; Auto; 0.6; 0.8; 1.0; 1.2; 1.6; 2.0; 2.4; 3.0", 8.0, "3.0",
       std::int32_t{8}},
      {"Gauge; enum; mm; Auto; 0.6; 0.8; 1.0; 1.2; 1.6; 2.0; 2.4; 3.0", std::int32_t{9}, "",
       std::int32_t{-1}},
      {"Vanes; enum;; No; Yes", std::int32_t{-1}, "", std::int32_t{-1}},
      {"Vanes; enum;; No; Yes", "Yes", "", std::int32_t{-1}},
      {"Sealed; check", false, "[ ]", false},
      {"Sealed; check", std::int32_t{1}, "[x]", true},
      {"Cost File; %s;; PE", "/home/u/Data Files/Default.cst", "/home/u/Data Files/Default.cst",
       "/home/u/Data Files/Default.cst"},
      {"Size; %0.0f/%0.0f; mm; NPE; 0; 99", "20/3", "20/3", "20/3"},
      {"Size; %0.0f/%0.0f; mm; NPE; 0; 99", 7.0, "7", "7"},
  };
  for (const auto &c : cases) {
    EntryRowsFixture g;
    g.Row(c.row);
    g.cells.SetCell(1, 1, "old");
    g.rows.SetData(1, 1, c.in);
    SCOPED_TRACE(std::string(c.row) + " <- " + c.in.toText());
    EXPECT_EQ(g.Value(), c.cell);
    EXPECT_EQ(g.rows.GetData(1, 1), c.out);
    Variant read("stale");
    g.rows.ReadData(1, 1, read); // the solve's way of reading, into a kept value
    EXPECT_EQ(read, c.out);
    g.rows.ReadData(0, 1, read);
    EXPECT_EQ(read, g.rows.GetData(0, 1));
    // The cell is written in place; the field's text on its own is the same.
    EXPECT_EQ(g.rows.Field(1)->TextOf(c.in).value_or(""), c.cell);
    EXPECT_EQ(g.writes, 1);
    EXPECT_TRUE(g.commits.empty()); // SetData never reports a commit
  }
}

TEST(EntryRows, OtherColumnsTakeTheValueText) {
  EntryRowsFixture g;
  g.Row("Width; %0.0f; mm; NPE; 100; 2400");
  g.rows.SetData(2, 1, "cm");
  g.rows.SetData(0, 1, 2.5);
  EXPECT_EQ(g.cells.Cell(2, 1), "cm");
  EXPECT_EQ(g.cells.Cell(0, 1), "2.5");
  g.rows.SetData(1, 9, 5.0); // outside: nothing written, nothing reported
  EXPECT_EQ(g.writes, 2);
}

TEST(EntryRows, RebuildsRowsFromTheLines) {
  EntryRowsFixture g;
  int rebuilt = 0;
  g.rows.OnRowsRebuilt = [&] { ++rebuilt; };
  EXPECT_EQ(g.cells.ColCount(), 3);
  EXPECT_EQ(g.cells.RowCount(), 2); // a new model is an empty list

  g.rows.SetLines({"Property; Value; Units", "Width; %0.0f; mm; NPE; 100; 2400",
                   "Height; %0.0f; mm; NPE; 100; 2400", "Length; %0.3f; m; NPE; 0.1; 99.0"});
  EXPECT_EQ(g.cells.RowCount(), 4);
  EXPECT_EQ(g.rows.FieldCount(), 4);
  EXPECT_EQ(g.cells.Cell(2, 0), "Units");
  EXPECT_EQ(g.rows.Field(0)->FormatStr(), "%S");
  g.rows.SetData(1, 3, 2.4);

  g.rows.SetLines({"Property; Value", "Cost File; %s;; PE"});
  EXPECT_EQ(g.cells.RowCount(), 2);
  EXPECT_EQ(g.cells.Cell(2, 0), ""); // nothing left over from the old header
  EXPECT_EQ(g.cells.Cell(1, 1), "");

  g.rows.SetLines({"Property; Value; Units"});
  EXPECT_EQ(g.cells.RowCount(), 1);
  EXPECT_EQ(g.cells.Cell(0, 0), "Property");

  g.rows.SetLines({});
  EXPECT_EQ(g.cells.RowCount(), 2);
  EXPECT_EQ(g.rows.FieldCount(), 0);
  EXPECT_EQ(g.cells.Cell(0, 0), "");
  g.rows.SetData(1, 1, 5.0); // no field: the cell empties
  EXPECT_EQ(g.Value(), "");
  EXPECT_EQ(g.rows.GetData(1, 1), Variant(""));

  EXPECT_EQ(rebuilt, 4);
  EXPECT_TRUE(g.commits.empty());
  EXPECT_EQ(g.rows.Lines().size(), 0u);
}

TEST(EntryRows, AttachesPropertyEditorsAndReportsCommits) {
  EntryRowsFixture g;
  g.rows.SetLines({"Property; Value", "Cost File; %s;; NPE"});
  int calls = 0;
  g.rows.SetPropertyEditor(1, [&](Variant &) { return ++calls; });
  EXPECT_EQ(g.rows.Field(1)->Kind(), TEditorKind::ekPropEditor);
  Variant v;
  EXPECT_EQ(g.rows.Field(1)->PropEditor()(v), 1);

  g.rows.SetPropertyEditor(2, [](Variant &) { return mrOk; });
  ASSERT_EQ(g.sink.messages.size(), 1u);
  EXPECT_EQ(g.sink.messages[0].text, "Error setting property editor, row 2");

  g.rows.DoSetData(1, 1);
  EXPECT_EQ(g.commits, (std::vector<std::pair<int, int>>{{1, 1}}));
}

} // namespace
} // namespace korvane
