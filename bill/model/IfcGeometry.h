#pragma once
// What the duct take-off reads of a model's geometry: where an object is
// placed (its IfcLocalPlacement chain taken to the world) and the duct
// section and length of a body made by extruding a rectangle or a circle.
// Lengths stay in the model's own unit; the caller scales them.
#include <array>
#include <cstdint>

#include "bill/model/StepFile.h"

namespace korvane {

using TVec3 = std::array<double, 3>;

struct TIfcFrame {
  TVec3 Origin{0, 0, 0};
  TVec3 X{1, 0, 0}, Y{0, 1, 0}, Z{0, 0, 1};
};

// The world frame of an IfcLocalPlacement; false when #placement is none or
// its chain cannot be followed.
bool IfcWorldFrame(const TStepFile &step, std::uint64_t placement, TIfcFrame &frame);

struct TIfcSection {
  bool Round = false;
  double Width = 0, Height = 0; // rectangular: XDim and YDim
  double Diameter = 0;          // round
};

// The first extrusion of a rectangle or circle in product representation
// #shape (an IfcProductDefinitionShape), directly or through mapped items;
// false when there is none.
bool IfcExtrudedSection(const TStepFile &step, std::uint64_t shape, TIfcSection &section,
                        double &depth);

double Distance(const TVec3 &a, const TVec3 &b);
double Dot(const TVec3 &a, const TVec3 &b);

} // namespace korvane
