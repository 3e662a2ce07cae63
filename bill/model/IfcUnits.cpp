#include "bill/model/IfcUnits.h"

#include <array>
#include <cmath>
#include <string_view>
#include <utility>
#include <vector>

#include "base/AsciiText.h"
#include "bill/model/IfcEntities.h"
#include "bill/model/StepValues.h"

namespace korvane {

namespace {

constexpr std::array<std::pair<std::string_view, double>, 16> kPrefixes{{
    {"EXA", 1e18},
    {"PETA", 1e15},
    {"TERA", 1e12},
    {"GIGA", 1e9},
    {"MEGA", 1e6},
    {"KILO", 1e3},
    {"HECTO", 1e2},
    {"DECA", 1e1},
    {"DECI", 1e-1},
    {"CENTI", 1e-2},
    {"MILLI", 1e-3},
    {"MICRO", 1e-6},
    {"NANO", 1e-9},
    {"PICO", 1e-12},
    {"FEMTO", 1e-15},
    {"ATTO", 1e-18},
}};

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char &c : out)
    c = AsciiLower(c);
  return out;
}

// A length unit #id: an SI metre or one converted from a length unit; a
// conversion may lean on one more conversion, never further.
bool LengthUnit(const TStepFile &step, std::uint64_t id, TIfcLengthUnit &unit, int depth) {
  const TStepEntity *e = step.Find(id);
  if (e == nullptr || depth > 2)
    return false;
  const std::string_view args = step.Args(*e);
  if (e->Type == ifcSIUnit) {
    if (StepEnum(StepAttribute(args, 1)) != "LENGTHUNIT" ||
        StepEnum(StepAttribute(args, 3)) != "METRE")
      return false;
    const std::string_view prefix = StepEnum(StepAttribute(args, 2));
    unit.Metres = 1;
    unit.Name = Lower(prefix) + "metre";
    if (prefix.empty())
      return StepAttribute(args, 2) == "$";
    for (const auto &[name, factor] : kPrefixes)
      if (prefix == name) {
        unit.Metres = factor;
        return true;
      }
    return false;
  }
  if (e->Type == ifcConversionBasedUnit) {
    if (StepEnum(StepAttribute(args, 1)) != "LENGTHUNIT")
      return false;
    std::uint64_t measure = 0;
    const TStepEntity *m = StepRef(StepAttribute(args, 3), measure) ? step.Find(measure) : nullptr;
    if (m == nullptr || m->Type != ifcMeasureWithUnit)
      return false;
    double value = 0;
    std::uint64_t base = 0;
    TIfcLengthUnit of;
    if (!StepReal(StepAttribute(step.Args(*m), 0), value) ||
        !StepRef(StepAttribute(step.Args(*m), 1), base) || !LengthUnit(step, base, of, depth + 1))
      return false;
    unit.Metres = value * of.Metres;
    unit.Name = StepString(StepAttribute(args, 2));
    return std::isfinite(unit.Metres) && unit.Metres > 0;
  }
  return false;
}

} // namespace

bool IfcProjectLengthUnit(const TStepFile &step, TIfcLengthUnit &unit, std::string &error) {
  std::vector<std::string_view> units;
  for (const TStepEntity &e : step.Entities()) {
    if (e.Type != ifcProject)
      continue;
    std::uint64_t assignment = 0;
    const TStepEntity *a =
        StepRef(StepAttribute(step.Args(e), 8), assignment) ? step.Find(assignment) : nullptr;
    if (a == nullptr || a->Type != ifcUnitAssignment ||
        !StepListItems(StepAttribute(step.Args(*a), 0), units)) {
      error = "its project assigns no units";
      return false;
    }
    for (const std::string_view u : units) {
      std::uint64_t id = 0;
      const TStepEntity *ue = StepRef(u, id) ? step.Find(id) : nullptr;
      if (ue == nullptr)
        continue;
      const std::string_view type = StepEnum(StepAttribute(step.Args(*ue), 1));
      if (type != "LENGTHUNIT")
        continue;
      if (LengthUnit(step, id, unit, 0))
        return true;
      error =
          "its length unit #" + std::to_string(id) + " is neither a metre nor converted from one";
      return false;
    }
    error = "its project assigns no length unit";
    return false;
  }
  error = "it has no IfcProject";
  return false;
}

} // namespace korvane
