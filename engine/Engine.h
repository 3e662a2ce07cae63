#pragma once
// The costing engine's world: the settings a caller sets before pricing an
// item, the two outputs the report reads afterwards, and the data the engine
// prices against. Nothing here is global; the program keeps one TEngine and a
// test builds its own in a few lines.
#include "base/KorvaneError.h"
#include "costs/CostRec.h"
#include "costs/SpiralPriceTable.h"

#include <string>

namespace korvane {

// The order is the order of the "Flange" option row; the ordinal also picks the
// flange label in the report.
enum TFlangeType {
  ftAuto,
  ftSlipAndDrive,
  ftMezz20,
  ftMezz35,
  ftAngle20x3,
  ftAngle30x3,
  ftAngle40x3,
  ftAngle40x5,
  ftAngle50x5,
};

enum TInsulationKind {
  ikInternal, // a lining, measured on the duct surface
  ikExternal, // a wrap, measured on the outer face of the insulation
  ikNone,
};

enum TRoundFittingKind {
  rfSpigot,
  rfPlateSpigot,
  rfElbow,
  rfReducer,
  rfTPiece,
  rfNipple,
  rfStopEnd,
};

// Written by the caller, only read by the engine; they keep their values
// between items.
struct TEngineSettings {
  bool GaugeForced = false;
  double ForcedGauge = 0.6; // mm
  TFlangeType FlangeType = ftAuto;
  TInsulationKind InsulationKind = ikNone;
  double InsulThickness = 25; // mm: 12.5, 25 or 50
  bool ErectionIncluded = false;
  bool BracketsIncluded = false;
  bool Reinforced = false; // straight spiral duct and round elbows
};

// Overwritten by every operation that succeeds; untouched by one that fails.
struct TEngineOutputs {
  double GaugeUsed = 0; // mm
  TFlangeType FlangeUsed = ftSlipAndDrive;
};

// The engine context handed to every costing operation. `costs` and `prices`
// are borrowed: the program points them at its live cost record and price
// table, which outlive every call.
struct TEngine {
  TEngineSettings settings;
  TEngineOutputs outputs;
  const TCostRec *costs = nullptr;
  const TSpiralPriceTable *prices = nullptr;
};

// The quantities an operation leaves besides its price. An operation writes
// only the fields it defines (CentreLength only where it has one), and only
// when it succeeds. CalcRoundFitting also reads CentreLength: the reducer
// length on entry.
struct TItemQuantities {
  double Area = 0;         // sheet area, m²
  double InsArea = 0;      // insulation area, m²
  double Weight = 0;       // sheet weight, kg
  double CentreLength = 0; // m, the length a rate per metre is taken over
};

// Raised when pricing meets arithmetic that has no answer (a division by zero,
// a result that is not a finite number); the solve reports the item as bad data.
class EEngineError : public EKorvaneError {
public:
  explicit EEngineError(const std::string &message) : EKorvaneError(message) {}
};

} // namespace korvane
