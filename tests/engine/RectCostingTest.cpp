#include "engine/RectCosting.h"

#include "EngineWorld.h"
#include "engine/SharedRules.h"

#include <gtest/gtest.h>

#include <limits>

namespace korvane {
namespace {

using test::EngineWorld;
using test::NoOptions;
using test::Unchecked;
using test::WorkedItem;

void WrapErectBrackets(TEngineSettings &s) {
  s.InsulationKind = ikExternal;
  s.InsulThickness = 25;
  s.ErectionIncluded = true;
  s.BracketsIncluded = true;
}

const WorkedItem kWorkedItems[] = {
    {"straight 600x500x2.4", NoOptions,
     [](TEngine &e, TItemQuantities &q) { return CalcStraightRect(e, 600, 500, 2.4, q); }, 5.28, 0,
     25.49, Unchecked, 443.58, 0.6, ftSlipAndDrive},
    {"straight 600x500x2.4 wrapped, erected, bracketed", WrapErectBrackets,
     [](TEngine &e, TItemQuantities &q) { return CalcStraightRect(e, 600, 500, 2.4, q); }, 5.28,
     5.76, 25.49, Unchecked, 905.17, 0.6, ftSlipAndDrive},
    {"straight 1200x600x3.0", NoOptions,
     [](TEngine &e, TItemQuantities &q) { return CalcStraightRect(e, 1200, 600, 3.0, q); }, 10.8, 0,
     69.53, Unchecked, 1501.51, 0.8, ftMezz20},
    {"straight 300x200x2.4 50/5 angle", [](TEngineSettings &s) { s.FlangeType = ftAngle50x5; },
     [](TEngine &e, TItemQuantities &q) { return CalcStraightRect(e, 300, 200, 2.4, q); }, 2.4, 0,
     Unchecked, Unchecked, 255.93, 0.6, ftAngle50x5},
    {"straight 300x200x2.4 at 1.6",
     [](TEngineSettings &s) {
       s.GaugeForced = true;
       s.ForcedGauge = 1.6;
     },
     [](TEngine &e, TItemQuantities &q) { return CalcStraightRect(e, 300, 200, 2.4, q); }, 2.4, 0,
     30.90, Unchecked, Unchecked, 1.6, ftSlipAndDrive},
    {"radius bend 750x500 90", NoOptions,
     [](TEngine &e, TItemQuantities &q) { return CalcRadiusBend(e, 750, 500, 90, false, q); },
     2.625, 0, 13.88, 1.05, 345.28, 0.6, ftMezz20},
    {"radius bend 750x500 90 vanes", NoOptions,
     [](TEngine &e, TItemQuantities &q) { return CalcRadiusBend(e, 750, 500, 90, true, q); }, 2.625,
     0, Unchecked, 1.05, 406.39, 0.6, ftMezz20},
    {"radius bend 750x500 90 50mm lining",
     [](TEngineSettings &s) {
       s.InsulationKind = ikInternal;
       s.InsulThickness = 50;
     },
     [](TEngine &e, TItemQuantities &q) { return CalcRadiusBend(e, 750, 500, 90, false, q); },
     2.625, 2.625, 13.88, 1.05, 502.78, 0.6, ftMezz20},
    {"square bend 750x500", NoOptions,
     [](TEngine &e, TItemQuantities &q) { return CalcSquareBend(e, 750, 500, false, q); }, 2.625, 0,
     Unchecked, 1.05, 324.28, 0.6, ftMezz20},
    {"square bend 750x500 vanes", NoOptions,
     [](TEngine &e, TItemQuantities &q) { return CalcSquareBend(e, 750, 500, true, q); }, 2.625, 0,
     15.33, 1.05, 370.48, 0.6, ftMezz20},
    {"square to round 750x500 to 600, 1.2", NoOptions,
     [](TEngine &e, TItemQuantities &q) { return CalcSquareToRound(e, 750, 500, 600, 1.2, q); },
     3.092, 0, Unchecked, Unchecked, 572.27, 0.6, ftSlipAndDrive},
    {"taper 750x500 to 600x500, 1.2", NoOptions,
     [](TEngine &e, TItemQuantities &q) { return CalcTaper(e, 750, 500, 600, 500, 1.2, q); }, 3.0,
     0, Unchecked, Unchecked, 355.78, 0.6, ftMezz20},
    {"stop end 750x500", NoOptions,
     [](TEngine &e, TItemQuantities &q) { return CalcSquareStopEnd(e, 750, 500, q); }, 0.375, 0,
     Unchecked, 0.05, 83.38, 0.6, ftMezz20},
};

TEST(RectCosting, WorkedPrices) {
  for (const WorkedItem &c : kWorkedItems)
    test::ExpectWorked(c);
}

TEST(RectCosting, AutomaticFlangeFamilyThroughADuct) {
  const struct {
    double width, height;
    TFlangeType used;
  } cases[] = {{600, 550, ftSlipAndDrive},
               {600, 551, ftMezz20},
               {1351, 200, ftMezz35},
               {2101, 200, ftAngle20x3}};
  for (const auto &c : cases) {
    EngineWorld w;
    TItemQuantities q;
    CalcStraightRect(w.engine, c.width, c.height, 2.4, q);
    EXPECT_EQ(w.engine.outputs.FlangeUsed, c.used) << c.width << "x" << c.height;
  }
}

TEST(RectCosting, SlipAndDrivePricesMetalOnly) {
  EngineWorld w;
  w.engine.settings.FlangeType = ftSlipAndDrive;
  TItemQuantities q;
  const double price = CalcStraightRect(w.engine, 2000, 1000, 2.4, q);
  EXPECT_DOUBLE_EQ(price, q.Weight * 14.5 * 1.2);
  EXPECT_EQ(w.engine.outputs.FlangeUsed, ftSlipAndDrive);
}

// A duct of n sections carries n times the flanges, corners and clamps of
// one section, so its flanged extra is n times that of a one-section duct.
TEST(RectCosting, SectionCountOfWholeQuotients) {
  const struct {
    double width, length, sectionLength, sections;
  } cases[] = {{1200, 16.8, 2.4, 7},
               {1200, 21.6, 2.4, 9},
               {1300, 8.4, 1.2, 7},
               {1200, 2.41, 2.4, 2},
               {1300, 1.2, 1.2, 1}};
  auto flangedExtra = [](double width, double length) {
    EngineWorld w;
    TItemQuantities q;
    const double flanged = CalcStraightRect(w.engine, width, 600, length, q);
    w.engine.settings.FlangeType = ftSlipAndDrive;
    return flanged - CalcStraightRect(w.engine, width, 600, length, q);
  };
  for (const auto &c : cases) {
    EXPECT_NEAR(flangedExtra(c.width, c.length),
                c.sections * flangedExtra(c.width, c.sectionLength), 1e-9)
        << c.length;
  }
}

TEST(RectCosting, MarkupDoublesEveryPriceAndSq2RFactorOnlySquareToRound) {
  EngineWorld plain, marked, sq2r;
  marked.costs.Markup = 2;
  sq2r.costs.Sq2RFactor = 2;
  TItemQuantities q;
  WrapErectBrackets(plain.engine.settings);
  WrapErectBrackets(marked.engine.settings);
  WrapErectBrackets(sq2r.engine.settings);
  const double duct = CalcStraightRect(plain.engine, 1200, 600, 3.0, q);
  EXPECT_DOUBLE_EQ(CalcStraightRect(marked.engine, 1200, 600, 3.0, q), 2 * duct);
  EXPECT_DOUBLE_EQ(CalcStraightRect(sq2r.engine, 1200, 600, 3.0, q), duct);
  const double transition = CalcSquareToRound(plain.engine, 1500, 600, 900, 3.0, q);
  EXPECT_DOUBLE_EQ(CalcSquareToRound(marked.engine, 1500, 600, 900, 3.0, q), 2 * transition);
  EXPECT_DOUBLE_EQ(CalcSquareToRound(sq2r.engine, 1500, 600, 900, 3.0, q), 2 * transition);
}

TEST(RectCosting, TaperEndsAreInterchangeable) {
  EngineWorld w;
  TItemQuantities a, b;
  const double forward = CalcTaper(w.engine, 750, 500, 1400, 300, 1.2, a);
  const double backward = CalcTaper(w.engine, 1400, 300, 750, 500, 1.2, b);
  EXPECT_EQ(forward, backward);
  EXPECT_EQ(a.Weight, b.Weight);
  EXPECT_EQ(w.engine.outputs.FlangeUsed, ftMezz35); // the largest of the four sides
}

TEST(RectCosting, Vanes) {
  EXPECT_NEAR(RadiusVaneArea(90, 500, 750), 0.727, 0.0005);
  EXPECT_EQ(RadiusVaneArea(90, 500, 299), 0); // too narrow for a vane
  const struct {
    double width, count, area;
  } square[] = {{599, 9, 9 * 0.5 * 0.05}, {600, 9, 9 * 0.5 * 0.1}, {750, 11, 11 * 0.5 * 0.1}};
  for (const auto &c : square) {
    EXPECT_EQ(SquareVaneCount(c.width), c.count) << c.width;
    EXPECT_DOUBLE_EQ(SquareVaneArea(c.width, 500), c.area) << c.width;
  }
}

TEST(RectCosting, Sq2RLabourHoursAtEveryLimit) {
  const struct {
    double dia, hours;
  } cases[] = {{300, 1},  {301, 1.5}, {500, 1.5},  {900, 2.5},
               {1100, 3}, {1300, 4},  {1500, 4.5}, {1501, 6}};
  for (const auto &c : cases)
    EXPECT_EQ(Sq2RLabourHours(c.dia), c.hours) << c.dia;
}

TEST(RectCosting, RadiusBendOfNoAngleWeighsItsAllowanceOnly) {
  EngineWorld w;
  TItemQuantities q;
  CalcRadiusBend(w.engine, 750, 500, 0, false, q);
  EXPECT_EQ(q.Area, 0);
  EXPECT_EQ(q.CentreLength, 0);
  EXPECT_DOUBLE_EQ(q.Weight, 0.1 * 2.5 * 0.6 * SheetMassFactor);
}

TEST(RectCosting, FailedItemLeavesQuantitiesAndOutputsAlone) {
  EngineWorld w;
  w.engine.outputs = {2.4, ftAngle40x5};
  TItemQuantities q{1, 2, 3, 4};
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_THROW(CalcStraightRect(w.engine, nan, 500, 2.4, q), EEngineError);
  w.engine.settings.InsulationKind = ikExternal; // a wrap is measured over the perimeter
  EXPECT_THROW(CalcSquareStopEnd(w.engine, 0, 0, q), EEngineError);
  w.costs.MnfRate = std::numeric_limits<double>::infinity();
  EXPECT_THROW(CalcTaper(w.engine, 750, 500, 600, 500, 1.2, q), EEngineError);
  EXPECT_EQ(w.engine.outputs.GaugeUsed, 2.4);
  EXPECT_EQ(w.engine.outputs.FlangeUsed, ftAngle40x5);
  EXPECT_EQ(q.Area, 1);
  EXPECT_EQ(q.InsArea, 2);
  EXPECT_EQ(q.Weight, 3);
  EXPECT_EQ(q.CentreLength, 4);
}

} // namespace
} // namespace korvane
