#pragma once
// The length unit of a model, from its project's IfcUnitAssignment: the
// metre with or without an SI prefix, or a unit converted from one (the foot
// and the inch of a model drawn in them).
#include <string>

#include "bill/model/StepFile.h"

namespace korvane {

struct TIfcLengthUnit {
  double Metres = 1; // one unit of the model, in metres
  std::string Name;  // "millimetre", "FOOT", as the model names it
};

// False with `error` when the project names no length unit this reader
// understands; a model without one cannot be measured.
bool IfcProjectLengthUnit(const TStepFile &step, TIfcLengthUnit &unit, std::string &error);

} // namespace korvane
