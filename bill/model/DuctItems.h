#pragma once
// What one duct element of a model becomes as a bill item: a straight
// segment from its section and length, a fitting from its kind and its
// ports (where each sits, which way it faces, the size of the duct on it).
// Sizes are in mm and lengths in m here, as the bill writes them.
#include <span>
#include <string>
#include <string_view>

#include "bill/model/IfcGeometry.h"

namespace korvane {

struct TModelItem {
  int Code = 0;       // the bill's item keyword; 0 when not priced
  std::string Head;   // the numbers before the number off
  std::string Tail;   // the numbers after it (a taper's length)
  std::string Note;   // said in the line's comment beside the GlobalIds
  std::string Reason; // when not priced: why

  bool Priced() const { return Code != 0; }
};

// A straight segment: StraightRect or Spiral.
TModelItem SegmentItem(const TIfcSection &section, double lengthM);

struct TFittingPort {
  TIfcFrame Frame; // its origin in mm; Z points out of the fitting
  bool Sized = false;
  TIfcSection Size; // mm
};

// A fitting of kind `kind` (BEND, TRANSITION, JUNCTION ...). A port without
// a size takes that of the fitting's other end (of the main run's, for a
// junction's branch).
TModelItem FittingItem(std::string_view kind, std::span<const TFittingPort> ports);

} // namespace korvane
