// A take-off's rows into the bill they stand for: CSV quirks, the bill
// language's way of writing each choice, and every kind of row that cannot
// be priced.
#include <gtest/gtest.h>

#include <string>

#include "bill/takeoff/TakeoffFile.h"

namespace korvane {
namespace {

struct TRead {
  bool ok = false;
  std::string error;
  std::string bill;
  std::vector<TTakeoffNote> notes;
};

TRead Read(std::string_view csv) {
  TTakeoffBill bill("t.csv");
  TRead r;
  r.ok = ReadTakeoffBytes(csv, "t.csv", {}, bill, r.error);
  r.bill = bill.Text();
  r.notes = bill.Notes();
  return r;
}

// The bill without its first line (which names the take-off).
std::string Body(const TRead &r) {
  return r.bill.substr(r.bill.find('\n') + 1);
}

// Title rows that name a detail of the job become its detail lines, in one
// cell or two; a value that does not read is a bad row, never dropped.
TEST(TakeoffBill, DetailRowsAboveTheHeader) {
  const TRead r = Read("Harbour Road offices\n"
                       "customer:,Quayside Ltd\n"
                       "Discount: 5%\n"
                       "VAT,fifteen\n"
                       "Project,\n"
                       "Item,Diameter,Length\n"
                       "Spiral,400,3\n");
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(Body(r), "; Customer: Quayside Ltd\n"
                     "; Discount: 5%\n"
                     "; take-off row 4, VAT: VAT 'fifteen' reads as a percentage, such as 15%\n"
                     "Spiral\n"
                     "\t-\t400  3\n");
  ASSERT_EQ(r.notes.size(), 1u);
  EXPECT_TRUE(r.notes[0].Bad);
}

TEST(TakeoffBill, CsvQuirks) {
  // Title rows above the header, a BOM, semicolons, a decimal comma, CR LF and
  // a comment holding a quoted line end and a doubled quote.
  const TRead r = Read("\xEF\xBB\xBFHarbour Road; level 2\r\n"
                       "\r\n"
                       "Item;Width (mm);Height;Length [m];No. off;Comment\r\n"
                       "StraightRect;800;500;2,4;2;\"say \"\"hi\"\"\r\nthere\"\r\n"
                       "StraightRect;800;500;1.2;2;\r\n");
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(Body(r), "StraightRect (NumberOff=2)\n"
                     "\t-\t800  500  2.4\t; say \"hi\"  there\n"
                     "\t-\t800  500  1.2\n");
  EXPECT_TRUE(r.notes.empty());

  const TRead comma = Read("Type,Diameter,Qty,Weight,Colour\nNipple,400,3,,\n");
  ASSERT_TRUE(comma.ok) << comma.error;
  EXPECT_EQ(Body(comma),
            "; columns of the take-off not read: Weight, Colour\nNipple\n\t-\t400  3\n");
  ASSERT_EQ(comma.notes.size(), 1u);
  EXPECT_FALSE(comma.notes[0].Bad);

  EXPECT_FALSE(Read("Width,Height\n800,500\n").ok);
  const TRead open = Read("Item,Width\nStraightRect,\"800\n");
  EXPECT_EQ(open.error, "take-off 't.csv': row 2 opens a quote that is never closed");
}

TEST(TakeoffBill, ChoicesAsTheBillWritesThem) {
  const TRead r =
      Read("Section,Item,Width,Height,Width2,Diameter,Radius,Angle,Length,Qty,Vanes,Plate,"
           "Reinforcing,Gauge,Flange,Insulation,Erection,Brackets\n"
           "Risers,Square Bend,1200,600,,,,,,1,Yes,,,1,35mm Mezz,25mm DuctWrap,yes,No\n"
           "Risers,SquareBendReducing,1000,600,800,,,,,1,,,,auto,Auto,None,,\n"
           "Round,Round Spigot,,,,400,,,,6,,Yes,,0.6,,,,\n"
           "Round,Elbow,,,,315,1.5dia,45,,3,,,Yes,,,50mm DuctWrap,,\n"
           "Round,Spiral,,,,500,,,3,8,,,No,,,,,\n"
           "Round,Taper,900,600,700,,,,1.2,1,,,,,,25mm Internal,,\n");
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(Body(r), "# Risers\n"
                     "VanedSquareBend (Erection=Include, Brackets=Exclude, Gauge=1.0, Mezz35, "
                     "Insulation=External, InsThickness=25mm)\n"
                     "\t-\t1200  600  1\n"
                     "SquareBendReducing\n"
                     "\t-\t1000  600  800  600  1\n"
                     "# Round\n"
                     "PlateSpigot (Gauge=0.6)\n"
                     "\t-\t400  6\n"
                     "Elbow (Reinforcing=Include, Insulation=External, InsThickness=50mm)\n"
                     "\t-\t315  472.5  45  3\n"
                     "Spiral (NumberOff=8)\n"
                     "\t-\t500  3\n"
                     "; take-off row 7, Height2: missing: Taper takes width 1, height 1, width 2, "
                     "height 2, number off, length\n");
}

TEST(TakeoffBill, EveryBadRowIsToldAndKept) {
  const TRead r = Read("Item,Width,Height,Length,Qty,Vanes,Insulation,Erection,Diameter\n"
                       "Duct,800,500,2,1,,,,\n"              // unknown type
                       "StraightRect,800,,2,1,,,,\n"         // size missing
                       "StraightRect,9000,500,2,1,,,,\n"     // out of range
                       "StraightRect,800,500,2,0,,,,\n"      // number off
                       "YPiece,800,500,,1,Yes,,,\n"          // vanes: no keyword
                       "VanedSquareBend,800,500,,1,No,,,\n"  // contradicts the keyword
                       "Nipple,,,,1,,25mm Internal,,400\n"   // not a round choice
                       "StraightRect,800,500,2,1,,,Maybe,\n" // erection
                       "Spiral,800,,3,1,,,,500\n"            // no such property
                       ",800,500,2,1,,,,\n"                  // no item
                       "Elbow,,,,1,,,,100\n");               // radius missing
  ASSERT_TRUE(r.ok) << r.error;
  const char *expected[] = {
      "row 2, Item: 'Duct' is no item type of the bill language",
      "row 3, Height: missing: StraightRect takes width, height, length",
      "row 4, Width: value '9000' for Width is out of range (100 to 2400 mm)",
      "row 5, Qty: '0' is not a whole number from 1 to 1000000",
      "row 6, Vanes: the bill language has no keyword for a Y-Piece with vanes: it cannot be "
      "written in a bill",
      "row 7, Vanes: No, but the item is VanedSquareBend",
      "row 8, Insulation: value '25mm Internal' for Insulation is not one of: None, 25mm "
      "DuctWrap, 50mm DuctWrap",
      "row 9, Erection: takes Include or Exclude (or Yes or No), not 'Maybe'",
      "row 10, Width: Spiral has no Width",
      "row 11, Item: no item type, but Width '800'",
      "row 12, Radius: missing: Elbow takes diameter, radius, angle, number off",
  };
  ASSERT_EQ(r.notes.size(), std::size(expected)) << r.bill;
  int line = 1;
  for (std::size_t i = 0; i < r.notes.size(); ++i) {
    EXPECT_TRUE(r.notes[i].Bad);
    EXPECT_EQ(r.notes[i].Said(), expected[i]);
    EXPECT_GT(r.notes[i].BillLine, line) << "in bill order";
    line = r.notes[i].BillLine;
  }
  // Each is the comment line the note names; nothing else is in the bill.
  EXPECT_EQ(Body(r).find("\t-"), std::string::npos) << r.bill;
  EXPECT_NE(r.bill.find("\n; take-off row 4, Width: value '9000'"), std::string::npos);
}

} // namespace
} // namespace korvane
