#include "controls/ui/UnitsType.h"

namespace korvane {

namespace {
constexpr std::array<std::string_view, kUnitsTypeCount> kNames = {"utNone",
                                                                  "utAirFlowPrim",
                                                                  "utAirFlowSec",
                                                                  "utAirFlowSmall",
                                                                  "utAirFlowRate",
                                                                  "utAirPressDrop",
                                                                  "utAltitude",
                                                                  "utAngularSpeed",
                                                                  "utArea",
                                                                  "utCondensateRate",
                                                                  "utConductance",
                                                                  "utConductivity",
                                                                  "utDensity",
                                                                  "utDiameter",
                                                                  "utDutyPrim",
                                                                  "utDutySec",
                                                                  "utDutyRate",
                                                                  "utEnergy",
                                                                  "utEnthalpy",
                                                                  "utFinDensity",
                                                                  "utHeatOfRespir",
                                                                  "utHeatTransCoeff",
                                                                  "utHumidity",
                                                                  "utLengthBig",
                                                                  "utLengthMeasure",
                                                                  "utLengthPrim",
                                                                  "utLengthSec",
                                                                  "utLengthSmall",
                                                                  "utMass",
                                                                  "utMassSmall",
                                                                  "utMassFlow",
                                                                  "utMassFlowGas",
                                                                  "utMassFlux",
                                                                  "utMetRate",
                                                                  "utPeopleDensity",
                                                                  "utPower",
                                                                  "utPressure",
                                                                  "utPressureBar",
                                                                  "utPressureSteam",
                                                                  "utPressureRateGas",
                                                                  "utPressureRateLiquid",
                                                                  "utProportion",
                                                                  "utRate",
                                                                  "utSpecificHeat",
                                                                  "utSpecificVol",
                                                                  "utTemperature",
                                                                  "utTemperatureChange",
                                                                  "utThermalCapacity",
                                                                  "utThermalResist",
                                                                  "utTime",
                                                                  "utVelocity",
                                                                  "utViscosity",
                                                                  "utVolume",
                                                                  "utVolumeFluid",
                                                                  "utWaterFlow",
                                                                  "utWaterPressDrop"};
static_assert(static_cast<int>(TUnitsType::utWaterPressDrop) == kUnitsTypeCount - 1);
} // namespace

std::string_view UnitsTypeName(TUnitsType type) {
  const int i = static_cast<int>(type);
  return i >= 0 && i < kUnitsTypeCount ? kNames[static_cast<size_t>(i)] : std::string_view();
}

// No form of this program carries a quantity, so every quantity has its one
// base unit; the conversion machinery of the edit stays in place for tables.
int LastUnitIndex(TUnitsType) {
  return 0;
}

TUnitInfo UnitInfo(TUnitsType, int, int) {
  return {};
}

} // namespace korvane
