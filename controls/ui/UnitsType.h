#pragma once
// The physical quantities a formatted edit can carry. Every edit of this
// program uses utNone, so no conversion ever takes place; each other quantity
// has a single unit with a factor of 1 until its unit table is written.
#include <array>
#include <string>
#include <string_view>

namespace korvane {

enum class TUnitsType {
  utNone,
  utAirFlowPrim,
  utAirFlowSec,
  utAirFlowSmall,
  utAirFlowRate,
  utAirPressDrop,
  utAltitude,
  utAngularSpeed,
  utArea,
  utCondensateRate,
  utConductance,
  utConductivity,
  utDensity,
  utDiameter,
  utDutyPrim,
  utDutySec,
  utDutyRate,
  utEnergy,
  utEnthalpy,
  utFinDensity,
  utHeatOfRespir,
  utHeatTransCoeff,
  utHumidity,
  utLengthBig,
  utLengthMeasure,
  utLengthPrim,
  utLengthSec,
  utLengthSmall,
  utMass,
  utMassSmall,
  utMassFlow,
  utMassFlowGas,
  utMassFlux,
  utMetRate,
  utPeopleDensity,
  utPower,
  utPressure,
  utPressureBar,
  utPressureSteam,
  utPressureRateGas,
  utPressureRateLiquid,
  utProportion,
  utRate,
  utSpecificHeat,
  utSpecificVol,
  utTemperature,
  utTemperatureChange,
  utThermalCapacity,
  utThermalResist,
  utTime,
  utVelocity,
  utViscosity,
  utVolume,
  utVolumeFluid,
  utWaterFlow,
  utWaterPressDrop
};

inline constexpr int kUnitsTypeCount = 56;

// "utNone", "utAirFlowPrim", ... in ordinal order.
std::string_view UnitsTypeName(TUnitsType type);

// What a quantity's unit table says about one unit.
struct TUnitInfo {
  std::string name;          // shown in the units label; empty under utNone
  std::string defaultFormat; // empty: keep the edit's own format
  double factor = 1.0;       // shown = stored x factor + offset
  double offset = 0.0;
};

// The last valid unit index of a quantity.
int LastUnitIndex(TUnitsType type);
// The conversion from unit `base` (stored) to unit `shown`.
TUnitInfo UnitInfo(TUnitsType type, int base, int shown);

} // namespace korvane
