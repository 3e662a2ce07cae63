#pragma once
// What the duct take-off reads of a model's geometry: where an object is
// placed (its IfcLocalPlacement chain taken to the world) and the duct
// section and length of a body made by extruding a rectangle or a circle.
// Lengths stay in the model's own unit; the caller scales them.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <unordered_map>

#include "bill/model/StepFile.h"

namespace korvane {

using TVec3 = std::array<double, 3>;

struct TIfcFrame {
  TVec3 Origin{0, 0, 0};
  TVec3 X{1, 0, 0}, Y{0, 1, 0}, Z{0, 0, 1};
};

struct TIfcSection {
  bool Round = false;
  double Width = 0, Height = 0; // rectangular: XDim and YDim
  double Diameter = 0;          // round
};

// What a model's placements and bodies give, each worked out once: a model
// may share one placement or body among any number of elements, and a
// hostile one may make them as long or as tangled as it likes.
class TIfcShapes {
public:
  explicit TIfcShapes(const TStepFile &step) : step_(step) {}

  // The world frame of IfcLocalPlacement #placement; false when it is none
  // or its chain cannot be followed.
  bool WorldFrame(std::uint64_t placement, TIfcFrame &frame);

  // The first extrusion of a rectangle or circle in product representation
  // #shape (an IfcProductDefinitionShape), directly or through mapped items;
  // false when there is none.
  bool ExtrudedSection(std::uint64_t shape, TIfcSection &section, double &depth);

private:
  struct TExtrusion {
    bool Found = false;
    TIfcSection Section;
    double Depth = 0;
  };
  const std::optional<TIfcFrame> &Frame(std::uint64_t placement, int depth);
  const TExtrusion &Representation(std::uint64_t id, bool products);
  bool Item(std::string_view ref, TExtrusion &out);

  const TStepFile &step_;
  std::unordered_map<std::uint64_t, std::optional<TIfcFrame>> frames_;
  std::unordered_map<std::uint64_t, TExtrusion> products_; // by product representation
  std::unordered_map<std::uint64_t, TExtrusion> bodies_;   // by shape representation
};

double Distance(const TVec3 &a, const TVec3 &b);
double Dot(const TVec3 &a, const TVec3 &b);

} // namespace korvane
