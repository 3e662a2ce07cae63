#include "bill/model/IfcGeometry.h"

#include <cmath>
#include <string_view>
#include <vector>

#include "bill/model/IfcEntities.h"
#include "bill/model/StepValues.h"

namespace korvane {

namespace {

// A placement chain or mapped item deeper than this is taken as a loop.
constexpr int kMaxDepth = 64;

std::string_view ArgsOf(const TStepFile &step, std::string_view ref, unsigned type) {
  std::uint64_t id = 0;
  if (!StepRef(ref, id))
    return {};
  const TStepEntity *e = step.Find(id);
  if (e == nullptr || e->Type != type)
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

bool Frame(const TStepFile &step, std::uint64_t placement, TIfcFrame &frame, int depth) {
  if (depth > kMaxDepth)
    return false;
  const TStepEntity *e = step.Find(placement);
  if (e == nullptr || e->Type != ifcLocalPlacement)
    return false;
  const std::string_view args = step.Args(*e);
  TIfcFrame parent;
  std::uint64_t parentId = 0;
  const std::string_view relTo = StepAttribute(args, 0);
  if (relTo != "$" && (!StepRef(relTo, parentId) || !Frame(step, parentId, parent, depth + 1)))
    return false;
  TIfcFrame local;
  if (!Axis2Placement(step, StepAttribute(args, 1), local))
    return false;
  const TVec3 o = Rotate(parent, local.Origin);
  for (std::size_t i = 0; i < 3; ++i)
    frame.Origin[i] = parent.Origin[i] + o[i];
  frame.X = Rotate(parent, local.X);
  frame.Y = Rotate(parent, local.Y);
  frame.Z = Rotate(parent, local.Z);
  return true;
}

bool Profile(const TStepFile &step, std::string_view ref, TIfcSection &section) {
  std::uint64_t id = 0;
  if (!StepRef(ref, id))
    return false;
  const TStepEntity *e = step.Find(id);
  if (e == nullptr)
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

bool Representation(const TStepFile &step, std::string_view ref, TIfcSection &section,
                    double &depth, int &budget);

// `budget`: the items one body may visit, so mapped items that map each
// other cost a bounded time.
bool Item(const TStepFile &step, std::string_view ref, TIfcSection &section, double &depth,
          int &budget) {
  std::uint64_t id = 0;
  if (--budget < 0 || !StepRef(ref, id))
    return false;
  const TStepEntity *e = step.Find(id);
  if (e == nullptr)
    return false;
  const std::string_view args = step.Args(*e);
  if (e->Type == ifcExtrudedAreaSolid)
    return Profile(step, StepAttribute(args, 0), section) &&
           StepReal(StepAttribute(args, 3), depth) && depth > 0;
  if (e->Type == ifcMappedItem) {
    const std::string_view map = ArgsOf(step, StepAttribute(args, 0), ifcRepresentationMap);
    return map.data() != nullptr &&
           Representation(step, StepAttribute(map, 1), section, depth, budget);
  }
  return false;
}

bool Representation(const TStepFile &step, std::string_view ref, TIfcSection &section,
                    double &depth, int &budget) {
  const std::string_view args = ArgsOf(step, ref, ifcShapeRepresentation);
  std::vector<std::string_view> items;
  if (args.data() == nullptr || !StepListItems(StepAttribute(args, 3), items))
    return false;
  for (const std::string_view item : items)
    if (Item(step, item, section, depth, budget))
      return true;
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

bool IfcWorldFrame(const TStepFile &step, std::uint64_t placement, TIfcFrame &frame) {
  frame = TIfcFrame{};
  return Frame(step, placement, frame, 0);
}

bool IfcExtrudedSection(const TStepFile &step, std::uint64_t shape, TIfcSection &section,
                        double &depth) {
  const TStepEntity *e = step.Find(shape);
  if (e == nullptr || e->Type != ifcProductDefinitionShape)
    return false;
  std::vector<std::string_view> reps;
  if (!StepListItems(StepAttribute(step.Args(*e), 2), reps))
    return false;
  // The body first: an axis or footprint representation is no section.
  int budget = kMaxDepth;
  for (int pass = 0; pass < 2; ++pass)
    for (const std::string_view rep : reps) {
      const std::string_view args = ArgsOf(step, rep, ifcShapeRepresentation);
      if (args.data() == nullptr)
        continue;
      const bool body = StepAttribute(args, 1) == "'Body'";
      if (body == (pass == 0) && Representation(step, rep, section, depth, budget))
        return true;
    }
  return false;
}

} // namespace korvane
