#pragma once
// Costing of round items: straight spiral duct by weight, round fittings from
// the spiral fittings price table. Both leave GaugeUsed in engine.outputs and
// never touch FlangeUsed. A failed operation throws EEngineError and changes
// neither the quantities nor the outputs.
#include "engine/Engine.h"

#include <cstddef>

namespace korvane {

// Diameter in mm, Length in m. Fills Area, InsArea and Weight.
double CalcSpiral(TEngine &engine, double Diameter, double Length, TItemQuantities &q);

// Angle in degrees, Radius and Diameter in mm. q.CentreLength carries the
// reducer length (m) in; on return it holds the fitting's own centre length.
// Fills Area, InsArea and Weight too.
double CalcRoundFitting(TEngine &engine, TRoundFittingKind Kind, double Angle, double Radius,
                        double Diameter, TItemQuantities &q);

// Sheet area (m²) of a segmented elbow: n segments, diameter d and radius r in m.
double ElbowArea(double n, double Angle, double r, double d);

// How a round fitting is priced: the price table column it takes and whether
// its price is scaled by weight against a reference fitting.
struct TFittingPricing {
  std::size_t Column;
  bool Scaled;
};
TFittingPricing FittingPricing(TRoundFittingKind Kind, double Angle, double Radius, double Diameter,
                               double ReducerLength, bool OutOfRange);

} // namespace korvane
