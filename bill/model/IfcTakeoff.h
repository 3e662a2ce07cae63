#pragma once
// The ductwork of an IFC model as the take-off a bill is written from: every
// duct segment and duct fitting (IFC4 IfcDuctSegment and IfcDuctFitting,
// IFC2X3 IfcFlowSegment and IfcFlowFitting typed as duct) with the item it
// becomes or why it becomes none, in sections by storey and by system within
// a storey.
#include <cstddef>
#include <string>
#include <vector>

#include "bill/model/DuctItems.h"
#include "bill/model/IfcUnits.h"
#include "bill/model/StepFile.h"

namespace korvane {

struct TModelElement {
  std::string GlobalId;
  std::string Name;
  unsigned Entity = 0; // TIfcEntity
  std::size_t Section = 0;
  TModelItem Item;
};

struct TModelTakeoff {
  std::string Schema;  // "IFC2X3" or "IFC4"
  std::string Project; // the project's name
  TIfcLengthUnit Unit;
  std::vector<std::string> Sections;   // titles, in the bill's order
  std::vector<TModelElement> Elements; // by section, then in the model's order
  std::size_t Ignored = 0;             // elements in storeys that are no duct segment or fitting
};

// False with `error` (a phrase after the file's name) when the model cannot
// be measured.
bool ReadIfcTakeoff(const TStepFile &step, TModelTakeoff &takeoff, std::string &error);

} // namespace korvane
