#pragma once
// The rules every costing operation shares: gauge tables, the flange decision
// and flange rates, sections, insulation, the markup, and the checks that turn
// impossible arithmetic into an EEngineError.
//
// They are defined here, inline, because an item is priced on every keystroke
// that changes it and each operation calls a dozen of them: as calls into
// another object file they cost more than the arithmetic they do.
#include "engine/Engine.h"

#include <cmath>

namespace korvane {

inline constexpr double SheetMassFactor = 8.047; // kg per m² per mm of gauge
inline constexpr double SlipJointLimit = 2.3;    // m of perimeter; at or below: slip-and-drive
inline constexpr double ClampsPerMetre = 1.5;
inline constexpr double ShortSectionLimit = 1200; // mm of largest side; above: 1.2 m sections

// How near a quotient must come to a whole number to count as it. Section and
// segment counts are quotients of values typed with a few decimals; their
// rounding noise is about 1e-16 relative, a real fraction far above 1e-9.
inline constexpr double WholeNumberTolerance = 1e-9;

// The six money lines every item ends with; lines a type does not have stay 0.
struct TCostLines {
  double Metal = 0;
  double Flange = 0;
  double Clamp = 0;
  double Insulation = 0;
  double Erection = 0;
  double Bracket = 0;

  double Total() const { return Metal + Flange + Clamp + Insulation + Erection + Bracket; }
};

[[noreturn]] void ThrowNotFinite();

// Throws EEngineError when x is not a finite number.
inline void RequireFinite(double x) {
  if (!std::isfinite(x))
    ThrowNotFinite();
}

// Gauge (mm) of a rectangular item from its largest side (mm); sets GaugeUsed.
inline double SelectRectGauge(const TEngineSettings &settings, TEngineOutputs &outputs,
                              double LargestSide) {
  double gauge;
  if (settings.GaugeForced)
    gauge = settings.ForcedGauge;
  else if (LargestSide <= 750)
    gauge = 0.6;
  else if (LargestSide <= 1350)
    gauge = 0.8;
  else if (LargestSide <= 2100)
    gauge = 1.0;
  else
    gauge = 1.2;
  outputs.GaugeUsed = gauge;
  return gauge;
}

// Table gauge (mm) of a round item, whatever the Gauge setting says.
inline double AutoRoundGauge(double Diameter) {
  if (Diameter <= 750)
    return 0.6;
  if (Diameter <= 1200)
    return 0.8;
  if (Diameter <= 2000)
    return 1.0;
  return 1.2;
}

// Gauge (mm) of a round item; sets GaugeUsed.
inline double SelectRoundGauge(const TEngineSettings &settings, TEngineOutputs &outputs,
                               double Diameter) {
  const double gauge = settings.GaugeForced ? settings.ForcedGauge : AutoRoundGauge(Diameter);
  outputs.GaugeUsed = gauge;
  return gauge;
}

inline double SheetWeight(double SheetArea, double Gauge) {
  return SheetArea * Gauge * SheetMassFactor;
}

// Whether a rectangular item of this perimeter (m) is flanged. Sets FlangeUsed
// to ftSlipAndDrive unless a flange family was chosen, which FlangeRate then sets.
inline bool FlangeNeeded(const TEngineSettings &settings, TEngineOutputs &outputs,
                         double Perimeter) {
  switch (settings.FlangeType) {
  case ftAuto:
    outputs.FlangeUsed = ftSlipAndDrive;
    return Perimeter > SlipJointLimit;
  case ftSlipAndDrive:
    outputs.FlangeUsed = ftSlipAndDrive;
    return false;
  default:
    return true;
  }
}

// Flange cost per metre for a flanged item; sets FlangeUsed to the family priced.
inline double FlangeRate(const TEngineSettings &settings, const TCostRec &costs,
                         TEngineOutputs &outputs, double LargestSide) {
  outputs.FlangeUsed = settings.FlangeType;
  switch (settings.FlangeType) {
  case ftAuto:
    if (LargestSide > 2100) {
      outputs.FlangeUsed = ftAngle20x3;
      return costs.AFlangeCost20x20x3;
    }
    if (LargestSide > 1350) {
      outputs.FlangeUsed = ftMezz35;
      return costs.BigFlangeCost;
    }
    outputs.FlangeUsed = ftMezz20;
    return costs.SmallFlangeCost;
  case ftMezz20:
    return costs.SmallFlangeCost;
  case ftMezz35:
    return costs.BigFlangeCost;
  case ftAngle20x3:
    return costs.AFlangeCost20x20x3;
  case ftAngle30x3:
    return costs.AFlangeCost30x30x3;
  case ftAngle40x3:
    return costs.AFlangeCost40x40x3;
  case ftAngle40x5:
    return costs.AFlangeCost40x40x5;
  case ftAngle50x5:
    return costs.AFlangeCost50x50x5;
  case ftSlipAndDrive:
    break;
  }
  // Never asked for an item that is not flanged; costing nothing is the only
  // sensible answer if it ever is.
  return 0;
}

// Length (m) of one section of duct, from its largest side (mm).
inline double SectionLength(double LargestSide) {
  return LargestSide > ShortSectionLimit ? 1.2 : 2.4;
}

// The whole number at or above x. A quotient that misses a whole number only
// by the noise of double arithmetic (16.8 / 2.4) counts as that number.
inline double RoundUp(double x) {
  RequireFinite(x);
  const double nearest = std::round(x);
  if (std::fabs(x - nearest) <= WholeNumberTolerance * std::fabs(nearest))
    return nearest;
  // The whole part, plus one for the fraction that is left.
  return std::trunc(x) + 1;
}

// Round to the nearest whole number, an exact half to the even neighbour.
double RoundHalfEven(double x);

// Insulation area (m²) of a rectangular item of perimeter and length in m.
inline double InsulationArea(const TEngineSettings &settings, double Perimeter, double Length) {
  switch (settings.InsulationKind) {
  case ikInternal:
    return Perimeter * Length;
  case ikExternal:
    // Each of the four faces of the wrap grows by twice the thickness.
    return (Perimeter + 8 * settings.InsulThickness / 1000) * Length;
  case ikNone:
    break;
  }
  return 0;
}

// Insulation area (m²) of a round item: a wrap, measured on its outer diameter,
// on sheet area (m²) of diameter d (m). A round item is never lined.
inline double RoundInsulationArea(const TEngineSettings &settings, double SheetArea, double d) {
  if (settings.InsulationKind != ikExternal)
    return 0;
  const double ratio = (d + 2 * settings.InsulThickness / 1000) / d;
  return SheetArea * ratio * ratio;
}

inline double InsulationCost(const TEngineSettings &settings, const TCostRec &costs,
                             double InsArea) {
  if (InsArea == 0)
    return 0;
  double rate;
  if (settings.InsulThickness <= 12.5)
    rate = costs.InsulCost12;
  else if (settings.InsulThickness <= 25)
    rate = costs.InsulCost25;
  else
    rate = costs.InsulCost50;
  return InsArea * rate * costs.IWaste;
}

inline double ErectionCost(const TEngineSettings &settings, const TCostRec &costs, double Weight) {
  return settings.ErectionIncluded ? Weight * costs.ErectRate : 0;
}

inline double BracketLineCost(const TEngineSettings &settings, const TCostRec &costs,
                              double Length) {
  return settings.BracketsIncluded ? Length * costs.BracketCost : 0;
}

// Every line multiplied by Markup × ItemFactor.
inline TCostLines ApplyMarkup(const TCostRec &costs, const TCostLines &lines, double ItemFactor) {
  const double factor = costs.Markup * ItemFactor;
  return {lines.Metal * factor,      lines.Flange * factor,   lines.Clamp * factor,
          lines.Insulation * factor, lines.Erection * factor, lines.Bracket * factor};
}

// The end of every operation: throws EEngineError unless the price and every
// quantity the item has are finite; then, and only then, hands the outputs and
// the quantities (CentreLength only when the item has one) to the caller.
inline double FinishItem(TEngine &engine, const TEngineOutputs &outputs,
                         const TItemQuantities &result, bool HasCentreLength, double Price,
                         TItemQuantities &q) {
  RequireFinite(result.Area);
  RequireFinite(result.InsArea);
  RequireFinite(result.Weight);
  RequireFinite(Price);
  if (HasCentreLength) {
    RequireFinite(result.CentreLength);
    q.CentreLength = result.CentreLength;
  }
  q.Area = result.Area;
  q.InsArea = result.InsArea;
  q.Weight = result.Weight;
  engine.outputs = outputs;
  return Price;
}

} // namespace korvane
