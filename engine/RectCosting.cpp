#include "engine/RectCosting.h"

#include "engine/SharedRules.h"

#include <algorithm>
#include <numbers>

namespace korvane {

namespace {

constexpr double BendAllowance = 0.3;         // m added to the width in a bend's centreline
constexpr double RadiusBendWeightAllow = 0.1; // m² per m of perimeter
constexpr double Sq2RPerimeterAllow = 0.15;   // m added to the mean perimeter
constexpr double Sq2RAreaFactor = 1.1;
constexpr double StopEndLength = 0.05; // m

// What sets one rectangular item apart from another; PriceRectItem runs the
// steps they all share.
struct TRectItem {
  double Perimeter = 0;   // m: decides the flange and measures the insulation
  double InsulLength = 0; // m: the length the insulation runs over
  double Area = 0;        // m²
  double WeightArea = 0;  // m²: Area with its allowances
  double LargestSide = 0; // mm: gauge, flange family and section length
  double FlangeRuns = 2;  // flanges per section, each one perimeter long
  double Corners = 8;
  bool Sectioned = false;         // flanges on every section of SectionedLength
  bool CornersPerSection = false; // Corners on every section, else for the item
  double SectionedLength = 0;     // m
  double Labour = 0;              // money added to the metal line
  double BracketLength = 0;       // m; 0 for types without brackets
  double ItemFactor = 1;
  bool HasCentreLength = false;
  double CentreLength = 0; // m
};

double PerimeterOf(double Width, double Height) {
  return 2 * (Width + Height) / 1000;
}

double PriceRectItem(TEngine &engine, const TRectItem &item, TItemQuantities &q) {
  const TEngineSettings &settings = engine.settings;
  const TCostRec &costs = *engine.costs;
  TEngineOutputs outputs = engine.outputs;
  TItemQuantities result;

  result.Area = item.Area;
  const double gauge = SelectRectGauge(settings, outputs, item.LargestSide);
  result.Weight = SheetWeight(item.WeightArea, gauge);

  TCostLines lines;
  lines.Metal = result.Weight * costs.MnfRate * costs.MWaste + item.Labour;
  result.InsArea = InsulationArea(settings, item.Perimeter, item.InsulLength);
  lines.Insulation = InsulationCost(settings, costs, result.InsArea);

  if (FlangeNeeded(settings, outputs, item.Perimeter)) {
    const double sections =
        item.Sectioned ? RoundUp(item.SectionedLength / SectionLength(item.LargestSide)) : 1;
    const double flangeLength = item.FlangeRuns * item.Perimeter * sections;
    const double corners = item.CornersPerSection ? item.Corners * sections : item.Corners;
    lines.Flange = flangeLength * FlangeRate(settings, costs, outputs, item.LargestSide) +
                   corners * costs.CornerCost;
    lines.Clamp = flangeLength * ClampsPerMetre * costs.ClampCost;
  }

  lines.Erection = ErectionCost(settings, costs, result.Weight);
  lines.Bracket = BracketLineCost(settings, costs, item.BracketLength);
  const double price = ApplyMarkup(costs, lines, item.ItemFactor).Total();

  result.CentreLength = item.CentreLength;
  return FinishItem(engine, outputs, result, item.HasCentreLength, price, q);
}

// The two bends share everything but their weight allowances.
double PriceBend(TEngine &engine, double Width, double Height, double Centreline, double Allowances,
                 TItemQuantities &q) {
  TRectItem item;
  item.Perimeter = PerimeterOf(Width, Height);
  item.InsulLength = Centreline;
  item.Area = item.Perimeter * Centreline;
  item.WeightArea = item.Area + Allowances;
  item.LargestSide = std::max(Width, Height);
  item.HasCentreLength = true;
  item.CentreLength = Centreline;
  return PriceRectItem(engine, item, q);
}

} // namespace

double RadiusVaneArea(double Angle, double Height, double Width) {
  // A vane at every width limit, each on a smaller radius than the one before.
  constexpr double limits[] = {300, 500, 1000, 2000};
  double length = 0;
  double radiusWidth = Width;
  for (double limit : limits) {
    if (Width >= limit)
      length += std::numbers::pi * (radiusWidth + 300) * Angle / 360 + 50;
    radiusWidth /= 2;
  }
  return Height * length / 1'000'000;
}

double SquareVaneCount(double Width) {
  return RoundHalfEven(0.0141 * Width + 0.5);
}

double SquareVaneArea(double Width, double Height) {
  const double vaneWidth = Width < 600 ? 0.05 : 0.1;
  return SquareVaneCount(Width) * (Height / 1000) * vaneWidth;
}

double Sq2RLabourHours(double Diameter) {
  struct Band {
    double upTo;
    double hours;
  };
  constexpr Band bands[] = {{300, 1}, {500, 1.5}, {900, 2.5}, {1100, 3}, {1300, 4}, {1500, 4.5}};
  for (const Band &band : bands)
    if (Diameter <= band.upTo)
      return band.hours;
  return 6;
}

double CalcStraightRect(TEngine &engine, double Width, double Height, double Length,
                        TItemQuantities &q) {
  TRectItem item;
  item.Perimeter = PerimeterOf(Width, Height);
  item.InsulLength = Length;
  item.Area = item.Perimeter * Length;
  item.WeightArea = item.Area;
  item.LargestSide = std::max(Width, Height);
  // A pair of flanges and eight corners on every section.
  item.Sectioned = true;
  item.CornersPerSection = true;
  item.SectionedLength = Length;
  item.BracketLength = Length;
  return PriceRectItem(engine, item, q);
}

double CalcRadiusBend(TEngine &engine, double Width, double Height, double Angle, bool Vanes,
                      TItemQuantities &q) {
  const double centreline = (Width / 1000 + BendAllowance) * 4 * Angle / 360;
  double allowances = RadiusBendWeightAllow * PerimeterOf(Width, Height);
  if (Vanes)
    allowances += RadiusVaneArea(Angle, Height, Width);
  return PriceBend(engine, Width, Height, centreline, allowances, q);
}

double CalcSquareBend(TEngine &engine, double Width, double Height, bool Vanes,
                      TItemQuantities &q) {
  const double centreline = Width / 1000 + BendAllowance;
  const double allowances = Vanes ? SquareVaneArea(Width, Height) : 0;
  return PriceBend(engine, Width, Height, centreline, allowances, q);
}

double CalcSquareToRound(TEngine &engine, double Width, double Height, double Diameter,
                         double Length, TItemQuantities &q) {
  TRectItem item;
  // The mean of the rectangular and the round perimeter.
  item.Perimeter = (0.002 * (Width + Height) + std::numbers::pi * Diameter / 1000) * 0.5;
  item.InsulLength = Length;
  item.Area = (item.Perimeter + Sq2RPerimeterAllow) * Sq2RAreaFactor * Length;
  item.WeightArea = item.Area;
  item.LargestSide = std::max(Width, Height);
  // Flanges on every section, but the corners only at the square end.
  item.Sectioned = true;
  item.SectionedLength = Length;
  item.Labour = Sq2RLabourHours(Diameter) * engine.costs->ManufRate;
  item.BracketLength = Length;
  item.ItemFactor = engine.costs->Sq2RFactor;
  return PriceRectItem(engine, item, q);
}

double CalcTaper(TEngine &engine, double Width1, double Height1, double Width2, double Height2,
                 double Length, TItemQuantities &q) {
  TRectItem item;
  // Both ends are priced at the larger one.
  item.Perimeter = std::max(PerimeterOf(Width1, Height1), PerimeterOf(Width2, Height2));
  item.InsulLength = Length;
  item.Area = item.Perimeter * Length;
  item.WeightArea = item.Area;
  item.LargestSide = std::max({Width1, Height1, Width2, Height2});
  item.BracketLength = Length;
  return PriceRectItem(engine, item, q);
}

double CalcSquareStopEnd(TEngine &engine, double Width, double Height, TItemQuantities &q) {
  TRectItem item;
  item.Perimeter = PerimeterOf(Width, Height);
  item.Area = Width * Height / 1'000'000;
  // Measured over Area / P, a lining covers the face itself and a wrap the
  // face grown in proportion to the wrap's perimeter.
  item.InsulLength = item.Area / item.Perimeter;
  item.WeightArea = item.Area;
  item.LargestSide = std::max(Width, Height);
  item.FlangeRuns = 1;
  item.Corners = 4;
  item.HasCentreLength = true;
  item.CentreLength = StopEndLength;
  return PriceRectItem(engine, item, q);
}

} // namespace korvane
