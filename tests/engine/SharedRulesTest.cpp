#include "engine/SharedRules.h"

#include "EngineWorld.h"

#include <gtest/gtest.h>

#include <limits>

namespace korvane {
namespace {

TEST(Gauge, TableLimitsAreInclusive) {
  const struct {
    bool round;
    double size, gauge;
  } cases[] = {{false, 100, 0.6},  {false, 750, 0.6},  {false, 751, 0.8},  {false, 1350, 0.8},
               {false, 1351, 1.0}, {false, 2100, 1.0}, {false, 2101, 1.2}, {true, 750, 0.6},
               {true, 751, 0.8},   {true, 1200, 0.8},  {true, 1201, 1.0},  {true, 2000, 1.0},
               {true, 2001, 1.2}};
  for (const auto &c : cases) {
    TEngineSettings settings;
    TEngineOutputs outputs;
    const double gauge = c.round ? SelectRoundGauge(settings, outputs, c.size)
                                 : SelectRectGauge(settings, outputs, c.size);
    EXPECT_EQ(gauge, c.gauge) << c.round << " " << c.size;
    EXPECT_EQ(outputs.GaugeUsed, c.gauge) << c.round << " " << c.size;
  }
}

TEST(Gauge, ForcedGaugeOverridesBothTablesButNotTheAutomaticRoundOne) {
  TEngineSettings settings;
  settings.GaugeForced = true;
  settings.ForcedGauge = 1.6;
  TEngineOutputs outputs;
  EXPECT_EQ(SelectRectGauge(settings, outputs, 300), 1.6);
  EXPECT_EQ(SelectRoundGauge(settings, outputs, 300), 1.6);
  EXPECT_EQ(AutoRoundGauge(300), 0.6);
}

TEST(Flange, DecisionAndFamilyAtEveryLimit) {
  TCostRec costs = DefaultCosts();
  // Distinct rates, so the rate names the family it came from.
  costs.AFlangeCost20x20x3 = 1;
  costs.AFlangeCost30x30x3 = 2;
  costs.AFlangeCost40x40x3 = 3;
  costs.AFlangeCost40x40x5 = 4;
  costs.AFlangeCost50x50x5 = 5;
  costs.BigFlangeCost = 6;
  costs.SmallFlangeCost = 7;
  const struct {
    TFlangeType type;
    double perimeter, side;
    bool flanged;
    TFlangeType used;
    double rate;
  } cases[] = {
      {ftAuto, 2.3, 600, false, ftSlipAndDrive, 0}, // 600 × 550
      {ftAuto, 2.302, 600, true, ftMezz20, 7},      // 600 × 551
      {ftAuto, 5.4, 1350, true, ftMezz20, 7},
      {ftAuto, 5.4, 1351, true, ftMezz35, 6},
      {ftAuto, 5.4, 2100, true, ftMezz35, 6},
      {ftAuto, 5.4, 2101, true, ftAngle20x3, 1},
      {ftSlipAndDrive, 6.0, 2000, false, ftSlipAndDrive, 0},
      {ftMezz20, 1.0, 300, true, ftMezz20, 7},
      {ftMezz35, 1.0, 300, true, ftMezz35, 6},
      {ftAngle20x3, 1.0, 300, true, ftAngle20x3, 1},
      {ftAngle30x3, 1.0, 300, true, ftAngle30x3, 2},
      {ftAngle40x3, 1.0, 300, true, ftAngle40x3, 3},
      {ftAngle40x5, 1.0, 300, true, ftAngle40x5, 4},
      {ftAngle50x5, 1.0, 300, true, ftAngle50x5, 5}, // the perimeter limit is for Auto only
  };
  for (const auto &c : cases) {
    TEngineSettings settings;
    settings.FlangeType = c.type;
    TEngineOutputs outputs;
    outputs.FlangeUsed = ftAuto;
    const bool flanged = FlangeNeeded(settings, outputs, c.perimeter);
    ASSERT_EQ(flanged, c.flanged) << c.type << " " << c.perimeter;
    const double rate = flanged ? FlangeRate(settings, costs, outputs, c.side) : 0;
    EXPECT_EQ(rate, c.rate) << c.type << " " << c.side;
    EXPECT_EQ(outputs.FlangeUsed, c.used) << c.type << " " << c.side;
  }
}

TEST(Sections, LengthByLargestSide) {
  EXPECT_EQ(SectionLength(1200), 2.4);
  EXPECT_EQ(SectionLength(1201), 1.2);
}

TEST(RoundUp, WholeQuotientsStayWholeDespiteDoubleNoise) {
  const struct {
    double x, whole;
  } cases[] = {
      {0, 0},          {0.5, 1},        {1, 1},         {2.4 / 2.4, 1}, {2.41 / 2.4, 2},
      {16.8 / 2.4, 7}, {21.6 / 2.4, 9}, {8.4 / 1.2, 7}, {7.000001, 8},  {6.999999, 7},
      {90 / 22.5, 4},  {135 / 22.5, 6}, {30 / 22.5, 2}, {1e-6, 1},
  };
  for (const auto &c : cases)
    EXPECT_EQ(RoundUp(c.x), c.whole) << c.x;
  EXPECT_GT(16.8 / 2.4, 7.0); // the noise the rule is there for
}

TEST(RoundUp, ToleranceIsRelativeToTheWholeNumber) {
  const struct {
    double x, whole;
  } cases[] = {{7 * (1 + 5e-10), 7},
               {7 * (1 - 5e-10), 7},
               {7 * (1 + 2e-9), 8},
               {1e6 * (1 + 5e-10), 1e6},
               {1e6 * (1 + 2e-9), 1e6 + 1}};
  for (const auto &c : cases)
    EXPECT_EQ(RoundUp(c.x), c.whole) << c.x;
}

TEST(RoundUp, NonFiniteQuotientIsAnEngineError) {
  EXPECT_THROW(RoundUp(std::numeric_limits<double>::quiet_NaN()), EEngineError);
  EXPECT_THROW(RoundUp(std::numeric_limits<double>::infinity()), EEngineError);
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(10.5), 10);
  EXPECT_EQ(RoundHalfEven(11.5), 12);
  EXPECT_EQ(RoundHalfEven(11.075), 11);
  EXPECT_EQ(RoundHalfEven(8.96), 9);
}

TEST(Insulation, AreaByKind) {
  TEngineSettings settings;
  settings.InsulThickness = 50;
  settings.InsulationKind = ikNone;
  EXPECT_EQ(InsulationArea(settings, 2.2, 2.4), 0);
  settings.InsulationKind = ikInternal;
  EXPECT_DOUBLE_EQ(InsulationArea(settings, 2.2, 2.4), 5.28);
  settings.InsulationKind = ikExternal;
  EXPECT_DOUBLE_EQ(InsulationArea(settings, 2.2, 2.4), 2.6 * 2.4);
  EXPECT_DOUBLE_EQ(RoundInsulationArea(settings, 1, 0.5), 1.2 * 1.2); // (0.6 / 0.5)²
}

TEST(Insulation, CostByThickness) {
  const TCostRec &costs = DefaultCosts();
  const struct { double thickness, rate; } cases[] = {{12.5, 40}, {25, 52}, {50, 60}};
  for (const auto &c : cases) {
    TEngineSettings settings;
    settings.InsulThickness = c.thickness;
    EXPECT_DOUBLE_EQ(InsulationCost(settings, costs, 2), 2 * c.rate) << c.thickness;
  }
  TCostRec unpriced = costs;
  unpriced.InsulCost25 = std::numeric_limits<double>::infinity();
  EXPECT_EQ(InsulationCost(TEngineSettings{}, unpriced, 0), 0); // no area costs nothing
}

} // namespace
} // namespace korvane
