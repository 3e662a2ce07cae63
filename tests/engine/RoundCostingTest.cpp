#include "engine/RoundCosting.h"

#include "EngineWorld.h"
#include "engine/SharedRules.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using test::EngineWorld;
using test::KnownPrice;
using test::NoOptions;
using test::RowOf;
using test::Unchecked;
using test::WorkedItem;

const WorkedItem kWorkedSpiral[] = {
    {"spiral 500x3.0", NoOptions,
     [](TEngine &e, TItemQuantities &q) { return CalcSpiral(e, 500, 3.0, q); }, 4.712, 0, 22.75,
     Unchecked, 195.67, 0.6, ftAuto},
    {"spiral 500x3.0 reinforced", [](TEngineSettings &s) { s.Reinforced = true; },
     [](TEngine &e, TItemQuantities &q) { return CalcSpiral(e, 500, 3.0, q); }, 4.712, 0, 27.30,
     Unchecked, 234.80, 0.6, ftAuto},
    {"spiral 500x3.0 wrapped",
     [](TEngineSettings &s) {
       s.InsulationKind = ikExternal;
       s.InsulThickness = 25;
     },
     [](TEngine &e, TItemQuantities &q) { return CalcSpiral(e, 500, 3.0, q); }, 4.712, 5.702, 22.75,
     Unchecked, 492.17, 0.6, ftAuto},
    {"spiral 2001", NoOptions,
     [](TEngine &e, TItemQuantities &q) { return CalcSpiral(e, 2001, 1.0, q); }, Unchecked, 0,
     Unchecked, Unchecked, Unchecked, 1.2, ftAuto},
    {"elbow 500 90 1 Dia", NoOptions,
     [](TEngine &e, TItemQuantities &q) { return CalcRoundFitting(e, rfElbow, 90, 500, 500, q); },
     2.891, 0, Unchecked, 1.841, KnownPrice(fcElbow10D, RowOf(500)), 0.6, ftAuto},
};

TEST(RoundCosting, WorkedPrices) {
  for (const WorkedItem &c : kWorkedSpiral)
    test::ExpectWorked(c);
}

TEST(RoundCosting, ColumnAndScalingOfEveryFittingCase) {
  const struct {
    TRoundFittingKind kind;
    double angle, radius, dia, length;
    bool outOfRange;
    std::size_t column;
    bool scaled;
  } cases[] = {
      {rfSpigot, 0, 0, 500, 0, false, fcNipple, false},
      {rfSpigot, 0, 0, 2001, 0, true, fcNipple, true},
      {rfPlateSpigot, 0, 0, 500, 0, false, fcSpigotPlate, false},
      {rfElbow, 45, 500, 500, 0, false, fcElbow45deg, false},
      {rfElbow, 30, 500, 500, 0, false, fcElbow45deg, false},
      {rfElbow, 45, 501, 500, 0, false, fcElbow45deg, true},
      {rfElbow, 90, 150, 150, 0, false, fcElbow150r, false},
      {rfElbow, 90, 150, 100, 0, false, fcElbow150r, false}, // 150 wins over the diameter
      {rfElbow, 91, 150, 150, 0, false, fcElbow150r, true},
      {rfElbow, 90, 500, 500, 0, false, fcElbow10D, false},
      {rfElbow, 135, 500, 500, 0, false, fcElbow10D, true},
      {rfElbow, 90, 750, 500, 0, false, fcElbow15D, false},
      {rfElbow, 90, 1000, 500, 0, false, fcElbow15D, true},
      {rfElbow, 90, 500, 2001, 0, true, fcElbow10D, true},
      {rfReducer, 0, 0, 500, 0.3, false, fcReducer300L, false},
      {rfReducer, 0, 0, 500, 0.31, false, fcReducer600L, false},
      {rfReducer, 0, 0, 500, 0.6, false, fcReducer600L, false},
      {rfReducer, 0, 0, 500, 1.2, false, fcReducer600L, true},
      {rfTPiece, 90, 0, 500, 0, false, fcTPiece90deg, false},
      {rfTPiece, 45, 0, 500, 0, false, fcTPiece45deg, false},
      {rfNipple, 0, 0, 500, 0, false, fcNipple, false},
      {rfStopEnd, 0, 0, 500, 0, true, fcStopEnd, true},
  };
  for (const auto &c : cases) {
    const TFittingPricing p =
        FittingPricing(c.kind, c.angle, c.radius, c.dia, c.length, c.outOfRange);
    EXPECT_EQ(p.Column, c.column) << c.kind << " " << c.angle << " " << c.radius << " " << c.dia;
    EXPECT_EQ(p.Scaled, c.scaled) << c.kind << " " << c.angle << " " << c.radius << " " << c.dia;
  }
}

double Fitting(EngineWorld &w, TRoundFittingKind kind, double angle, double radius, double dia,
               double length = 0) {
  TItemQuantities q;
  q.CentreLength = length;
  return CalcRoundFitting(w.engine, kind, angle, radius, dia, q);
}

TEST(RoundCosting, PricesFromTheTableAndScaledByWeight) {
  const double elbowOf2Dia = ElbowArea(4, 90, 1.0, 0.5) / ElbowArea(4, 90, 0.75, 0.5);
  const struct {
    const char *name;
    TRoundFittingKind kind;
    double angle, radius, dia, length, price;
  } cases[] = {
      {"1.5 Dia elbow", rfElbow, 90, 750, 500, 0, KnownPrice(fcElbow15D, RowOf(500))},
      {"2 Dia elbow", rfElbow, 90, 1000, 500, 0, KnownPrice(fcElbow15D, RowOf(500)) * elbowOf2Dia},
      {"45 deg elbow", rfElbow, 45, 500, 500, 0, KnownPrice(fcElbow45deg, RowOf(500))},
      {"30 deg elbow", rfElbow, 30, 500, 500, 0, KnownPrice(fcElbow45deg, RowOf(500))},
      {"135 deg elbow", rfElbow, 135, 500, 500, 0,
       KnownPrice(fcElbow10D, RowOf(500)) * ElbowArea(6, 135, 0.5, 0.5) /
           ElbowArea(4, 90, 0.5, 0.5)},
      {"150 radius elbow", rfElbow, 90, 150, 150, 0, KnownPrice(fcElbow150r, RowOf(150))},
      {"reducer 0.3", rfReducer, 0, 0, 500, 0.3, KnownPrice(fcReducer300L, RowOf(500))},
      {"reducer 0.31", rfReducer, 0, 0, 500, 0.31, KnownPrice(fcReducer600L, RowOf(500))},
      {"reducer 1.2", rfReducer, 0, 0, 500, 1.2, KnownPrice(fcReducer600L, RowOf(500)) * 1.3 / 0.7},
      {"T-piece", rfTPiece, 90, 0, 500, 0, KnownPrice(fcTPiece90deg, RowOf(500))},
      {"spigot", rfSpigot, 0, 0, 500, 0, KnownPrice(fcNipple, RowOf(500))},
      {"nipple 260", rfNipple, 0, 0, 260, 0, KnownPrice(fcNipple, RowOf(275))},
      {"nipple 2000", rfNipple, 0, 0, 2000, 0, KnownPrice(fcNipple, RowOf(2000))},
      {"nipple 2001", rfNipple, 0, 0, 2001, 0,
       KnownPrice(fcNipple, RowOf(2000)) * (2.001 * 1.2) / (2.0 * 1.0)},
      // Each scaled case against the reference shape its column lists.
      {"30 deg elbow of 2 Dia", rfElbow, 30, 1000, 500, 0,
       KnownPrice(fcElbow45deg, RowOf(500)) * ElbowArea(2, 30, 1.0, 0.5) /
           ElbowArea(2, 45, 0.5, 0.5)},
      {"135 deg elbow of 150 radius", rfElbow, 135, 150, 500, 0,
       KnownPrice(fcElbow150r, RowOf(500)) * ElbowArea(6, 135, 0.15, 0.5) /
           ElbowArea(4, 90, 0.15, 0.5)},
      {"2400 elbow", rfElbow, 90, 2400, 2400, 0,
       KnownPrice(fcElbow10D, RowOf(2000)) * ElbowArea(4, 90, 2.4, 2.4) * 1.2 /
           (ElbowArea(4, 90, 2.0, 2.0) * 1.0)},
      {"2400 reducer 1.2", rfReducer, 0, 0, 2400, 1.2,
       KnownPrice(fcReducer600L, RowOf(2000)) * (2.4 * 1.3 * 1.2) / (2.0 * 0.7 * 1.0)},
  };
  EXPECT_NEAR(elbowOf2Dia, 1.175, 0.001);
  for (const auto &c : cases) {
    EngineWorld w;
    EXPECT_NEAR(Fitting(w, c.kind, c.angle, c.radius, c.dia, c.length), c.price, 1e-9) << c.name;
  }
}

TEST(RoundCosting, ForcedGaugeRaisesButNeverLowersATablePrice) {
  EngineWorld w;
  w.engine.settings.GaugeForced = true;
  w.engine.settings.ForcedGauge = 1.2;
  EXPECT_DOUBLE_EQ(Fitting(w, rfNipple, 0, 0, 500), 2 * KnownPrice(fcNipple, RowOf(500)));
  w.engine.settings.ForcedGauge = 0.6;
  EXPECT_DOUBLE_EQ(Fitting(w, rfNipple, 0, 0, 1000), KnownPrice(fcNipple, RowOf(1000)));
}

// The reference is weighed at its table gauge, or at a lighter forced gauge:
// a light gauge prices by area alone, a heavy one raises the price.
TEST(RoundCosting, ForcedGaugeOfAScaledFitting) {
  const double nipple = KnownPrice(fcNipple, RowOf(2000));
  const double elbow = KnownPrice(fcElbow15D, RowOf(1000));
  const double elbowAreas = ElbowArea(4, 90, 2.0, 1.0) / ElbowArea(4, 90, 1.5, 1.0);
  const struct {
    double forced, dia, radius, price;
  } cases[] = {
      {0.6, 2400, 0, nipple * 2.4 / 2.0},
      {1.6, 2400, 0, nipple * (2.4 * 1.6) / (2.0 * 1.0)},
      {0.6, 1000, 2000, elbow * elbowAreas}, // table gauge 0.8
      {1.6, 1000, 2000, elbow * elbowAreas * 1.6 / 0.8},
  };
  for (const auto &c : cases) {
    EngineWorld w;
    w.engine.settings.GaugeForced = true;
    w.engine.settings.ForcedGauge = c.forced;
    const double price = c.radius == 0 ? Fitting(w, rfNipple, 0, 0, c.dia)
                                       : Fitting(w, rfElbow, 90, c.radius, c.dia);
    EXPECT_NEAR(price, c.price, 1e-9) << c.forced << " " << c.dia;
    EXPECT_EQ(w.engine.outputs.GaugeUsed, c.forced);
  }
}

TEST(RoundCosting, ReinforcedElbowScalesPriceAndWeightAlike) {
  for (const double radius : {500.0, 1000.0}) { // as tabled, and scaled
    EngineWorld plain, reinforced;
    reinforced.engine.settings.Reinforced = true;
    TItemQuantities p, r;
    const double plainPrice = CalcRoundFitting(plain.engine, rfElbow, 90, radius, 500, p);
    EXPECT_DOUBLE_EQ(CalcRoundFitting(reinforced.engine, rfElbow, 90, radius, 500, r),
                     1.2 * plainPrice);
    EXPECT_DOUBLE_EQ(r.Weight, 1.2 * p.Weight);
  }
}

TEST(RoundCosting, FittingLinesFactorAndMarkup) {
  EngineWorld w;
  w.costs.SpiralFittingFact = 1.5;
  w.costs.Markup = 2;
  w.engine.settings.InsulationKind = ikExternal;
  w.engine.settings.InsulThickness = 25;
  w.engine.settings.ErectionIncluded = true;
  w.engine.settings.BracketsIncluded = true; // fittings have no bracket line
  TItemQuantities q;
  const double price = CalcRoundFitting(w.engine, rfNipple, 0, 0, 500, q);
  EXPECT_DOUBLE_EQ(q.InsArea, q.Area * 1.21);
  EXPECT_DOUBLE_EQ(price,
                   2 * (1.5 * KnownPrice(fcNipple, RowOf(500)) + q.InsArea * 52 + q.Weight * 6));
}

TEST(RoundCosting, GaugeUsedIsTheFittingsOwnWhenScaled) {
  EngineWorld w;
  w.engine.outputs.FlangeUsed = ftMezz35;
  Fitting(w, rfNipple, 0, 0, 2400);
  EXPECT_EQ(w.engine.outputs.GaugeUsed, 1.2);
  EXPECT_EQ(w.engine.outputs.FlangeUsed, ftMezz35);
}

TEST(RoundCosting, UnpricedFittingIsFreeEvenWhenScaled) {
  EngineWorld w;
  w.prices.cols[fcNipple].fill(0);
  EXPECT_EQ(Fitting(w, rfNipple, 0, 0, 500), 0);
  EXPECT_EQ(Fitting(w, rfNipple, 0, 0, 2400), 0);
}

TEST(RoundCosting, ElbowOfNoAngleFailsAndChangesNothing) {
  EngineWorld w;
  w.engine.outputs.GaugeUsed = 3.0;
  TItemQuantities q{1, 2, 3, 4};
  EXPECT_THROW(CalcRoundFitting(w.engine, rfElbow, 0, 500, 500, q), EEngineError);
  EXPECT_EQ(w.engine.outputs.GaugeUsed, 3.0);
  EXPECT_EQ(q.Area, 1);
  EXPECT_EQ(q.CentreLength, 4);
}

TEST(RoundCosting, TableWithoutDiametersIsBadDataNotAPrice) {
  EngineWorld w;
  w.prices.cols[fcDia].fill(0); // every fitting is then beyond the table
  EXPECT_THROW(Fitting(w, rfNipple, 0, 0, 500), EEngineError);
}

} // namespace
} // namespace korvane
