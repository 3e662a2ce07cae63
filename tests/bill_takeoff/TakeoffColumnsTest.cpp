// What a take-off's header cells name, and which row is the header.
#include <gtest/gtest.h>

#include <vector>

#include "bill/BillKeywords.h"
#include "bill/takeoff/TakeoffColumns.h"

namespace korvane {
namespace {

TEST(TakeoffColumns, NamesAndAliases) {
  struct TCase {
    const char *name;
    TTakeoffField field;
    const char *key;
  };
  const TCase cases[] = {
      {"Item", TTakeoffField::Item, ""},
      {" TYPE ", TTakeoffField::Item, ""},
      {"Section", TTakeoffField::Section, ""},
      {"No. off", TTakeoffField::Quantity, ""},
      {"Qty", TTakeoffField::Quantity, ""},
      {"Quantity", TTakeoffField::Quantity, ""},
      {"Number", TTakeoffField::Quantity, ""},
      {"Width (mm)", TTakeoffField::Property, "width"},
      {"Length [m]", TTakeoffField::Property, "length"},
      {"height 1", TTakeoffField::Property, "height1"},
      {"Width_2 (mm)", TTakeoffField::Property, "width2"},
      {"Diameter", TTakeoffField::Property, "diameter"},
      {"Mounting Plate", TTakeoffField::Property, "plate"},
      {"insulation", TTakeoffField::Property, "insulation"},
      {"Erection", TTakeoffField::Erection, ""},
      {"Brackets", TTakeoffField::Brackets, ""},
      {"Comment", TTakeoffField::Comment, ""},
      {"Weight (kg)", TTakeoffField::None, ""},
      {"(mm)", TTakeoffField::None, ""},
      {"Widths", TTakeoffField::None, ""},
  };
  for (const TCase &c : cases) {
    const TTakeoffColumnName name = FindTakeoffColumn(c.name);
    EXPECT_EQ(name.Field, c.field) << c.name;
    EXPECT_EQ(name.Key, c.key) << c.name;
  }
  // Item types by bill keyword, calculator key or display name.
  EXPECT_EQ(TakeoffItemCode("StraightRect"), btStraightRect);
  EXPECT_EQ(TakeoffItemCode("Straight Rectangular"), btStraightRect);
  EXPECT_EQ(TakeoffItemCode(" y-piece "), btYPiece);
  EXPECT_EQ(TakeoffItemCode("Vaned Radius Bend"), btVanedRadiusBend);
  EXPECT_EQ(TakeoffItemCode("PlateSpigot"), btPlateSpigot);
  EXPECT_EQ(TakeoffItemCode("Shoe"), btShoe);
  EXPECT_EQ(TakeoffItemCode("Gauge"), 0);
  EXPECT_EQ(TakeoffItemCode("Flexible duct"), 0);
}

TEST(TakeoffColumns, HeaderNeedsAnItemAndASize) {
  const auto header = [](std::vector<std::string_view> texts) {
    std::vector<TTakeoffCell> cells;
    for (std::size_t i = 0; i < texts.size(); ++i)
      cells.push_back({static_cast<int>(i), texts[i]});
    return IsTakeoffHeader(cells);
  };
  EXPECT_TRUE(header({"Item", "Width (mm)"}));
  EXPECT_TRUE(header({"Notes", "type", "Diameter [mm]", "Qty"}));
  EXPECT_FALSE(header({"Harbour Road take-off: Item, Width"}));
  EXPECT_FALSE(header({"Item", "Qty", "Gauge", "Insulation"})); // no size
  EXPECT_FALSE(header({"Section", "Width", "Height"}));         // no item
  EXPECT_FALSE(header({"StraightRect", "1200", "600"}));
}

} // namespace
} // namespace korvane
