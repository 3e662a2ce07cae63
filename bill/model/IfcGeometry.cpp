#include "bill/model/IfcGeometry.h"

#include <cmath>
#include <string_view>
#include <vector>

#include "bill/model/IfcEntities.h"
#include "bill/model/StepValues.h"

namespace korvane {

namespace {

// A placement chain deeper than this is taken as a loop.
constexpr int kMaxDepth = 64;
// A point, direction, placement, profile or solid is a few dozen bytes; one
// far longer is none, and is not read again and again for every element
// that names it.
constexpr std::uint32_t kMaxLeaf = 4096;

std::string_view ArgsOf(const TStepFile &step, std::string_view ref, unsigned type) {
  std::uint64_t id = 0;
  if (!StepRef(ref, id))
    return {};
  const TStepEntity *e = step.Find(id);
  if (e == nullptr || e->Type != type || e->Size > kMaxLeaf)
    return {};
  const std::string_view args = step.Args(*e);
  return args.empty() ? std::string_view(" ", 0) : args; // "A()" is there, not absent
}

bool ReadVec(const TStepFile &step, std::string_view ref, unsigned type, TVec3 &v) {
  const std::string_view args = ArgsOf(step, ref, type);
  std::vector<std::string_view> items;
  if (args.data() == nullptr || !StepListItems(StepAttribute(args, 0), items) || items.empty() ||
      items.size() > 3)
    return false;
  v = {0, 0, 0};
  for (std::size_t i = 0; i < items.size(); ++i)
    if (!StepReal(items[i], v[i]))
      return false;
  return true;
}

bool Normalise(TVec3 &v) {
  const double n = std::sqrt(Dot(v, v));
  if (!(n > 1e-12) || !std::isfinite(n))
    return false;
  for (double &x : v)
    x /= n;
  return true;
}

TVec3 Cross(const TVec3 &a, const TVec3 &b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

// `local` (in the parent's axes) taken to the world.
TVec3 Rotate(const TIfcFrame &parent, const TVec3 &local) {
  TVec3 out{};
  for (std::size_t i = 0; i < 3; ++i)
    out[i] = parent.X[i] * local[0] + parent.Y[i] * local[1] + parent.Z[i] * local[2];
  return out;
}

bool Axis2Placement(const TStepFile &step, std::string_view ref, TIfcFrame &frame) {
  const std::string_view args = ArgsOf(step, ref, ifcAxis2Placement3D);
  if (args.data() == nullptr ||
      !ReadVec(step, StepAttribute(args, 0), ifcCartesianPoint, frame.Origin))
    return false;
  TVec3 z{0, 0, 1};
  TVec3 x{1, 0, 0};
  if (StepAttribute(args, 1) != "$" && !ReadVec(step, StepAttribute(args, 1), ifcDirection, z))
    return false;
  if (StepAttribute(args, 2) != "$" && !ReadVec(step, StepAttribute(args, 2), ifcDirection, x))
    return false;
  if (!Normalise(z))
    return false;
  const double along = Dot(x, z);
  for (std::size_t i = 0; i < 3; ++i)
    x[i] -= along * z[i];
  if (!Normalise(x)) { // a reference direction along the axis: any right angle will do
    x = std::abs(z[0]) < 0.9 ? TVec3{1, 0, 0} : TVec3{0, 1, 0};
    const double a = Dot(x, z);
    for (std::size_t i = 0; i < 3; ++i)
      x[i] -= a * z[i];
    Normalise(x);
  }
  frame.X = x;
  frame.Z = z;
  frame.Y = Cross(z, x);
  return true;
}

bool Profile(const TStepFile &step, std::string_view ref, TIfcSection &section) {
  std::uint64_t id = 0;
  if (!StepRef(ref, id))
    return false;
  const TStepEntity *e = step.Find(id);
  if (e == nullptr || e->Size > kMaxLeaf)
    return false;
  const std::string_view args = step.Args(*e);
  if (e->Type == ifcRectangleProfileDef || e->Type == ifcRectangleHollowProfileDef) {
    section.Round = false;
    return StepReal(StepAttribute(args, 3), section.Width) &&
           StepReal(StepAttribute(args, 4), section.Height) && section.Width > 0 &&
           section.Height > 0;
  }
  if (e->Type == ifcCircleProfileDef || e->Type == ifcCircleHollowProfileDef) {
    double r = 0;
    section.Round = true;
    if (!StepReal(StepAttribute(args, 3), r) || !(r > 0))
      return false;
    section.Diameter = 2 * r;
    return true;
  }
  return false;
}

} // namespace

double Dot(const TVec3 &a, const TVec3 &b) {
  return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

double Distance(const TVec3 &a, const TVec3 &b) {
  const TVec3 d{a[0] - b[0], a[1] - b[1], a[2] - b[2]};
  return std::sqrt(Dot(d, d));
}

bool TIfcShapes::WorldFrame(std::uint64_t placement, TIfcFrame &frame) {
  const std::optional<TIfcFrame> &found = Frame(placement, 0);
  if (found)
    frame = *found;
  return found.has_value();
}

const std::optional<TIfcFrame> &TIfcShapes::Frame(std::uint64_t placement, int depth) {
  static const std::optional<TIfcFrame> kNone;
  if (const auto it = frames_.find(placement); it != frames_.end())
    return it->second; // worked out, or being worked out: a loop
  if (depth > kMaxDepth)
    return kNone;
  frames_.emplace(placement, std::nullopt);
  const TStepEntity *e = step_.Find(placement);
  if (e == nullptr || e->Type != ifcLocalPlacement || e->Size > kMaxLeaf)
    return kNone;
  const std::string_view args = step_.Args(*e);
  TIfcFrame parent;
  std::uint64_t parentId = 0;
  const std::string_view relTo = StepAttribute(args, 0);
  if (relTo != "$") {
    if (!StepRef(relTo, parentId))
      return kNone;
    const std::optional<TIfcFrame> &p = Frame(parentId, depth + 1);
    if (!p)
      return kNone;
    parent = *p;
  }
  TIfcFrame local;
  if (!Axis2Placement(step_, StepAttribute(args, 1), local))
    return kNone;
  TIfcFrame world;
  const TVec3 o = Rotate(parent, local.Origin);
  for (std::size_t i = 0; i < 3; ++i)
    world.Origin[i] = parent.Origin[i] + o[i];
  world.X = Rotate(parent, local.X);
  world.Y = Rotate(parent, local.Y);
  world.Z = Rotate(parent, local.Z);
  std::optional<TIfcFrame> &slot = frames_[placement];
  slot = world;
  return slot;
}

bool TIfcShapes::Item(std::string_view ref, TExtrusion &out) {
  std::uint64_t id = 0;
  if (!StepRef(ref, id))
    return false;
  const TStepEntity *e = step_.Find(id);
  if (e == nullptr || e->Size > kMaxLeaf)
    return false;
  const std::string_view args = step_.Args(*e);
  if (e->Type == ifcExtrudedAreaSolid)
    return Profile(step_, StepAttribute(args, 0), out.Section) &&
           StepReal(StepAttribute(args, 3), out.Depth) && out.Depth > 0;
  if (e->Type != ifcMappedItem)
    return false;
  const std::string_view map = ArgsOf(step_, StepAttribute(args, 0), ifcRepresentationMap);
  std::uint64_t rep = 0;
  if (map.data() == nullptr || !StepRef(StepAttribute(map, 1), rep))
    return false;
  const TExtrusion &mapped = Representation(rep, false);
  if (mapped.Found)
    out = mapped;
  return mapped.Found;
}

// A shape representation's first extrusion, or (`products`) a product
// representation's, its body first: an axis or footprint is no section.
const TIfcShapes::TExtrusion &TIfcShapes::Representation(std::uint64_t id, bool products) {
  std::unordered_map<std::uint64_t, TExtrusion> &done = products ? products_ : bodies_;
  if (const auto it = done.find(id); it != done.end())
    return it->second; // worked out, or being worked out: a loop
  done.emplace(id, TExtrusion{});
  TExtrusion found;
  const TStepEntity *e = step_.Find(id);
  std::vector<std::string_view> items;
  const unsigned type = products ? ifcProductDefinitionShape : ifcShapeRepresentation;
  if (e != nullptr && e->Type == type &&
      StepListItems(StepAttribute(step_.Args(*e), products ? 2 : 3), items)) {
    for (int pass = 0; products && pass < 2 && !found.Found; ++pass)
      for (const std::string_view rep : items) {
        std::uint64_t repId = 0;
        const TStepEntity *r = StepRef(rep, repId) ? step_.Find(repId) : nullptr;
        if (r == nullptr || r->Type != ifcShapeRepresentation ||
            (StepAttribute(step_.Args(*r), 1) == "'Body'") != (pass == 0))
          continue;
        if (const TExtrusion &body = Representation(repId, false); body.Found) {
          found = body;
          break;
        }
      }
    for (std::size_t i = 0; !products && i < items.size() && !found.Found; ++i)
      found.Found = Item(items[i], found);
  }
  TExtrusion &slot = done[id];
  slot = found;
  return slot;
}

bool TIfcShapes::ExtrudedSection(std::uint64_t shape, TIfcSection &section, double &depth) {
  const TExtrusion &found = Representation(shape, true);
  section = found.Section;
  depth = found.Depth;
  return found.Found;
}

} // namespace korvane
