#include "engine/RoundCosting.h"

#include "engine/SharedRules.h"

#include <array>
#include <cmath>
#include <numbers>

namespace korvane {

namespace {

constexpr double Pi = std::numbers::pi;
constexpr double ReinforcedFactor = 1.2;     // weight (and elbow price) of a reinforced item
constexpr double SegmentAngle = 22.5;        // degrees per elbow segment
constexpr double ElbowRadius150 = 150;       // mm: the radius with its own price column
constexpr double LongestTabledReducer = 0.6; // m

// An elbow's shape, so a reference elbow can differ from the one priced.
struct TElbowShape {
  double Segments;
  double Angle;
  double r; // m
};

double FittingArea(TRoundFittingKind Kind, double d, const TElbowShape &elbow,
                   double ReducerLength) {
  switch (Kind) {
  case rfSpigot:
    return Pi * d / 8; // a collar 125 mm long
  case rfPlateSpigot:
    return (d + 0.05) * (d + 0.05) + Pi * d / 8; // a square plate 50 mm wider, and the collar
  case rfElbow:
    return ElbowArea(elbow.Segments, elbow.Angle, elbow.r, d);
  case rfReducer:
    return Pi * d * (ReducerLength + 0.1);
  case rfTPiece:
    return 0.6 * Pi * d;
  case rfNipple:
    return 0.2 * Pi * d;
  case rfStopEnd:
    return Pi * d * d / 4 + 0.05 * Pi * d; // the disc and a 50 mm rim
  }
  return 0;
}

double FittingCentreLength(TRoundFittingKind Kind, double Area, double d, double ReducerLength) {
  switch (Kind) {
  case rfSpigot:
  case rfPlateSpigot:
    return 0.1;
  case rfElbow:
    return Area / (Pi * d);
  case rfReducer:
    return ReducerLength;
  case rfTPiece:
    return 0.6;
  case rfNipple:
    return 0.2;
  case rfStopEnd:
    return 0.05;
  }
  return 0;
}

// The tabled fitting a scaled price is taken against: the elbow or reducer
// shape that the price column lists, at diameter dref (m).
double ReferenceArea(TRoundFittingKind Kind, double dref, double Angle, double Radius,
                     double Diameter, double ReducerLength) {
  TElbowShape elbow{4, 90, dref};
  if (Angle <= 45)
    elbow = {2, 45, dref};
  else if (Radius == ElbowRadius150)
    elbow.r = ElbowRadius150 / 1000;
  else if (Radius > Diameter)
    elbow.r = 1.5 * dref;
  const double length = ReducerLength > LongestTabledReducer ? LongestTabledReducer : ReducerLength;
  return FittingArea(Kind, dref, elbow, length);
}

// sin(π / (4 n)) of an elbow of n segments. Elbows up to 180 degrees have at
// most 8, and every reference elbow 2 or 4, so those come from a table: the
// sine would otherwise be the dearest step of pricing a fitting.
double SegmentSine(double n) {
  constexpr std::size_t MostTabled = 8;
  static const std::array<double, MostTabled + 1> sines = [] {
    std::array<double, MostTabled + 1> s{};
    for (std::size_t i = 1; i <= MostTabled; ++i)
      s[i] = std::sin(Pi / (4 * static_cast<double>(i)));
    return s;
  }();
  if (n >= 1 && n <= MostTabled) {
    const auto whole = static_cast<std::size_t>(n);
    if (static_cast<double>(whole) == n)
      return sines[whole];
  }
  return std::sin(Pi / (4 * n));
}

} // namespace

double ElbowArea(double n, double Angle, double r, double d) {
  // An elbow of no segments has no shape to price.
  if (n == 0)
    throw EEngineError("Division by zero");
  return Pi * d * (SegmentSine(n) * 2 * n * (Angle / 90) * (r + d) + 0.28);
}

TFittingPricing FittingPricing(TRoundFittingKind Kind, double Angle, double Radius, double Diameter,
                               double ReducerLength, bool OutOfRange) {
  switch (Kind) {
  case rfSpigot:
    return {fcNipple, OutOfRange};
  case rfPlateSpigot:
    return {fcSpigotPlate, OutOfRange};
  case rfElbow:
    // The 150 mm radius is recognised before any comparison with the diameter.
    if (Angle <= 45)
      return {fcElbow45deg, OutOfRange || Radius > Diameter};
    if (Radius == ElbowRadius150)
      return {fcElbow150r, OutOfRange || Angle > 90};
    if (Radius <= Diameter)
      return {fcElbow10D, OutOfRange || Angle > 90};
    return {fcElbow15D, OutOfRange || Radius > 1.5 * Diameter || Angle > 90};
  case rfReducer:
    if (ReducerLength <= 0.3)
      return {fcReducer300L, OutOfRange};
    return {fcReducer600L, OutOfRange || ReducerLength > LongestTabledReducer};
  case rfTPiece:
    return {Angle == 90 ? fcTPiece90deg : fcTPiece45deg, OutOfRange};
  case rfNipple:
    return {fcNipple, OutOfRange};
  case rfStopEnd:
    return {fcStopEnd, OutOfRange};
  }
  return {fcNipple, OutOfRange};
}

double CalcSpiral(TEngine &engine, double Diameter, double Length, TItemQuantities &q) {
  const TEngineSettings &settings = engine.settings;
  const TCostRec &costs = *engine.costs;
  TEngineOutputs outputs = engine.outputs;
  TItemQuantities result;

  const double d = Diameter / 1000;
  result.Area = Pi * d * Length;
  const double gauge = SelectRoundGauge(settings, outputs, Diameter);
  result.Weight = SheetWeight(result.Area, gauge);
  if (settings.Reinforced)
    result.Weight *= ReinforcedFactor;

  TCostLines lines;
  lines.Metal = result.Weight * costs.Spiralrate;
  result.InsArea = RoundInsulationArea(settings, result.Area, d);
  lines.Insulation = InsulationCost(settings, costs, result.InsArea);
  lines.Erection = ErectionCost(settings, costs, result.Weight);
  lines.Bracket = BracketLineCost(settings, costs, Length);
  const double price = ApplyMarkup(costs, lines, 1).Total();

  return FinishItem(engine, outputs, result, false, price, q);
}

double CalcRoundFitting(TEngine &engine, TRoundFittingKind Kind, double Angle, double Radius,
                        double Diameter, TItemQuantities &q) {
  const TEngineSettings &settings = engine.settings;
  const TCostRec &costs = *engine.costs;
  const TSpiralPriceTable &table = *engine.prices;
  TEngineOutputs outputs = engine.outputs;
  TItemQuantities result;

  const double d = Diameter / 1000;
  const double reducerLength = q.CentreLength;
  const TElbowShape elbow{Kind == rfElbow ? RoundUp(Angle / SegmentAngle) : 0, Angle,
                          Radius / 1000};
  result.Area = FittingArea(Kind, d, elbow, reducerLength);
  result.CentreLength = FittingCentreLength(Kind, result.Area, d, reducerLength);

  const double gauge = SelectRoundGauge(settings, outputs, Diameter);
  result.Weight = SheetWeight(result.Area, gauge);

  bool outOfRange = false;
  const std::size_t row = FindFittingRow(table, Diameter, outOfRange);
  const TFittingPricing pricing =
      FittingPricing(Kind, Angle, Radius, Diameter, reducerLength, outOfRange);
  double tablePrice = costs.SpiralFittingFact * table.Price(pricing.Column, row);

  const double reinforcement = Kind == rfElbow && settings.Reinforced ? ReinforcedFactor : 1;
  result.Weight *= reinforcement;
  tablePrice *= reinforcement;

  double fittingPrice = tablePrice;
  if (pricing.Scaled) {
    // Beyond what the table lists, the price follows the weight of the
    // fitting against the nearest fitting the table does list.
    const bool ownSize = !outOfRange && (Kind == rfElbow || Kind == rfReducer);
    const double drefMm = ownSize ? Diameter : table.Dia(kFittingRows - 1);
    double refGauge = AutoRoundGauge(drefMm);
    if (settings.GaugeForced && settings.ForcedGauge < refGauge)
      refGauge = settings.ForcedGauge;
    const double refArea =
        ReferenceArea(Kind, drefMm / 1000, Angle, Radius, Diameter, reducerLength);
    const double refWeight = SheetWeight(refArea, refGauge) * reinforcement;
    // A fitting listed at no price stays free, whatever its reference weighs.
    if (tablePrice != 0)
      fittingPrice = tablePrice * result.Weight / refWeight;
  } else {
    // A forced gauge heavier than the table's raises the price with it.
    const double tableGauge = AutoRoundGauge(Diameter);
    if (gauge > tableGauge)
      fittingPrice = tablePrice * gauge / tableGauge;
  }

  TCostLines lines;
  lines.Metal = fittingPrice;
  result.InsArea = RoundInsulationArea(settings, result.Area, d);
  lines.Insulation = InsulationCost(settings, costs, result.InsArea);
  lines.Erection = ErectionCost(settings, costs, result.Weight);
  const double price = ApplyMarkup(costs, lines, 1).Total();

  return FinishItem(engine, outputs, result, true, price, q);
}

} // namespace korvane
