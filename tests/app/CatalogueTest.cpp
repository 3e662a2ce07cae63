// The item-type catalogue as the Dimensions page shows it.
#include <gtest/gtest.h>

#include "tests/app/SolveWorld.h"

namespace korvane::test {
namespace {

std::vector<std::string> Column(const TEntryRows &rows, int col) {
  std::vector<std::string> cells;
  for (int r = 1; r < rows.Cells().RowCount(); ++r)
    cells.push_back(rows.Cells().Cell(col, r));
  return cells;
}

TEST(Catalogue, EveryTypeHasOneValueAndOneRowPerKey) {
  SolveWorld w;
  for (int t = 0; t < kTypeCount; ++t) {
    const auto i = static_cast<std::size_t>(t);
    const int keys = DuctTypes[i].PropCount();
    EXPECT_EQ(w.catalogue.ItemValues[i].size(), static_cast<std::size_t>(keys)) << t;
    EXPECT_EQ(w.catalogue.RowSpecs[i].size(), static_cast<std::size_t>(keys) + 1) << t;
    EXPECT_EQ(w.Rows(t).Cells().RowCount(), keys + 1) << t;
  }
  EXPECT_TRUE(w.sink.messages.empty()) << "every row text builds";
  EXPECT_EQ(w.catalogue.CurrentType, 0);
}

TEST(Catalogue, RadiusBendShowsItsStartValues) {
  SolveWorld w;
  EXPECT_EQ(Column(w.Rows(dtRadiusBend), 0),
            (std::vector<std::string>{"Width", "Height", "Angle", "Vanes", "Gauge", "Flange",
                                      "Insulation"}));
  EXPECT_EQ(Column(w.Rows(dtRadiusBend), 1),
            (std::vector<std::string>{"750", "500", "90", "No", "Auto", "Auto", "None"}));
  EXPECT_EQ(Column(w.Rows(dtStraightRect), 1),
            (std::vector<std::string>{"600", "500", "2.400", "Auto", "Auto", "None"}));
  EXPECT_EQ(Column(w.Rows(dtElbow), 1),
            (std::vector<std::string>{"500", "90", "1 Dia", "No", "Auto", "None"}));
}

TEST(Catalogue, RowsCaptionedAlikeHaveDistinctKeys) {
  SolveWorld w;
  EXPECT_EQ(Column(w.Rows(dtYPiece), 0)[0], "Width");
  EXPECT_EQ(Column(w.Rows(dtYPiece), 0)[1], "Width");
  EXPECT_EQ(FindPropKey(dtYPiece, "width1"), 0);
  EXPECT_EQ(FindPropKey(dtYPiece, "WIDTH2"), 1);
  EXPECT_EQ(FindPropKey(dtYPiece, "Width"), -1);
  EXPECT_EQ(FindPropKey(dtElbow, "Insulation"), 5);
  EXPECT_EQ(FindPropKey(dtRoundSpigot, "Plate"), 1);
  EXPECT_EQ(FindPropKey(dtRoundSpigot, ""), -1);
}

TEST(Catalogue, RoundTypesHaveNoFlangeAndOnlyWraps) {
  SolveWorld w;
  for (int t = kFirstRoundType; t < kTypeCount; ++t) {
    const auto captions = Column(w.Rows(t), 0);
    EXPECT_EQ(std::count(captions.begin(), captions.end(), "Flange"), 0) << t;
    const auto *insulation =
        dynamic_cast<const TEnumField *>(w.Rows(t).Field(static_cast<int>(captions.size())));
    ASSERT_NE(insulation, nullptr) << t;
    EXPECT_EQ(insulation->Items(),
              (std::vector<std::string>{"None", "25mm DuctWrap", "50mm DuctWrap"}));
  }
  const auto *radius = dynamic_cast<const TEnumField *>(w.Rows(dtElbow).Field(3));
  ASSERT_NE(radius, nullptr);
  EXPECT_EQ(radius->Items(), (std::vector<std::string>{"1 Dia", "1.5 Dia", "2 Dia", "150"}));
}

TEST(Catalogue, TypesAreFoundByKeyOrName) {
  EXPECT_EQ(FindDuctType("StraightRect"), dtStraightRect);
  EXPECT_EQ(FindDuctType("straight rectangular"), dtStraightRect);
  EXPECT_EQ(FindDuctType("Y-PIECE"), dtYPiece);
  EXPECT_EQ(FindDuctType("roundstopend"), dtRoundStopEnd);
  EXPECT_EQ(FindDuctType("Straight"), -1);
  EXPECT_EQ(FindDuctType(""), -1);
}

} // namespace
} // namespace korvane::test
