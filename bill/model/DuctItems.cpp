#include "bill/model/DuctItems.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <optional>
#include <vector>

#include "base/NumberText.h"
#include "bill/BillKeywords.h"

namespace korvane {

namespace {

// Two ports whose outward directions are this close to opposite face
// straight through each other (about 8 degrees either way).
constexpr double kThrough = -0.99;

std::string Mm(double x) {
  return FormatFixed(x, 0);
}

std::string M(double x) {
  return FormatFixed(x, 3);
}

std::string Join(std::initializer_list<std::string> numbers) {
  std::string out;
  for (const std::string &n : numbers) {
    if (!out.empty())
      out += "  ";
    out += n;
  }
  return out;
}

TModelItem Item(int code, std::string head, std::string tail = {}) {
  TModelItem item;
  item.Code = code;
  item.Head = std::move(head);
  item.Tail = std::move(tail);
  return item;
}

TModelItem NotPriced(std::string reason) {
  TModelItem item;
  item.Reason = std::move(reason);
  return item;
}

double AngleDegrees(const TFittingPort &a, const TFittingPort &b) {
  const double c = std::clamp(Dot(a.Frame.Z, b.Frame.Z), -1.0, 1.0);
  return std::acos(c) * 180 / std::numbers::pi;
}

double Area(const TIfcSection &s) {
  return s.Round ? s.Diameter * s.Diameter * std::numbers::pi / 4 : s.Width * s.Height;
}

// The sizes of a two-ended fitting's ends, an open end taking the other's.
struct TEnds {
  TIfcSection A, B;
  std::string Note;
};

std::optional<TEnds> TwoEnds(std::span<const TFittingPort> ports, std::string_view kind,
                             std::string &reason) {
  if (ports.size() != 2) {
    reason = "a " + std::string(kind) + " fitting needs two ports; it has " +
             std::to_string(ports.size());
    return std::nullopt;
  }
  if (!ports[0].Sized && !ports[1].Sized) {
    reason = "the sizes of its ends are not known: no duct segment is connected and its ports "
             "give none";
    return std::nullopt;
  }
  TEnds ends{ports[ports[0].Sized ? 0 : 1].Size, ports[ports[1].Sized ? 1 : 0].Size, {}};
  if (!ports[0].Sized || !ports[1].Sized)
    ends.Note = "one end's size taken from the other";
  return ends;
}

TModelItem Bend(std::span<const TFittingPort> ports, const TEnds &ends) {
  const TIfcSection &a = ends.A;
  if (a.Round != ends.B.Round)
    return NotPriced("one end is round and the other rectangular");
  const double angle = 180 - AngleDegrees(ports[0], ports[1]);
  if (std::round(angle) < 1)
    return NotPriced("its ports face straight through each other: it does not turn");
  if (!a.Round)
    return Item(btRadiusBend, Join({Mm(a.Width), Mm(a.Height), Mm(angle)}));
  // The radius choice nearest the centre line's radius through both ports.
  const double d = std::nearbyint(a.Diameter);
  const std::array<double, 4> radii{d, 1.5 * d, 2 * d, 150};
  const double chord = Distance(ports[0].Frame.Origin, ports[1].Frame.Origin);
  const double centre = chord / (2 * std::sin(angle * std::numbers::pi / 360));
  double radius = radii[0];
  if (chord > 0 && std::isfinite(centre))
    for (const double r : radii)
      if (std::abs(r - centre) < std::abs(radius - centre))
        radius = r;
  return Item(btElbow, Join({Mm(d), Mm(radius), Mm(angle)}));
}

TModelItem Transition(std::span<const TFittingPort> ports, const TEnds &ends) {
  TIfcSection a = ends.A, b = ends.B;
  const std::string length = M(Distance(ports[0].Frame.Origin, ports[1].Frame.Origin) / 1000);
  if (!a.Round && !b.Round) {
    if (Area(b) > Area(a))
      std::swap(a, b);
    return Item(btTaper, Join({Mm(a.Width), Mm(a.Height), Mm(b.Width), Mm(b.Height)}), length);
  }
  if (a.Round && b.Round)
    return Item(btReducer, Join({Mm(std::max(a.Diameter, b.Diameter)), length}));
  const TIfcSection &rect = a.Round ? b : a;
  const TIfcSection &round = a.Round ? a : b;
  return Item(btSquareToRound, Join({Mm(rect.Width), Mm(rect.Height), Mm(round.Diameter)}), length);
}

TModelItem Junction(std::span<const TFittingPort> ports) {
  if (ports.size() != 3)
    return NotPriced("a JUNCTION fitting needs three ports; it has " +
                     std::to_string(ports.size()));
  std::size_t i = 0, j = 1;
  for (std::size_t p = 0; p < 3; ++p)
    for (std::size_t q = p + 1; q < 3; ++q)
      if (Dot(ports[p].Frame.Z, ports[q].Frame.Z) < Dot(ports[i].Frame.Z, ports[j].Frame.Z)) {
        i = p;
        j = q;
      }
  if (Dot(ports[i].Frame.Z, ports[j].Frame.Z) > kThrough)
    return NotPriced("no two of its ports face straight through each other: its main run is "
                     "not known");
  const TFittingPort &branchPort = ports[3 - i - j];
  if (!ports[i].Sized && !ports[j].Sized)
    return NotPriced("the size of its main run is not known: no duct segment is connected and "
                     "its ports give none");
  TIfcSection main = ports[ports[i].Sized ? i : j].Size;
  const TIfcSection &other = ports[ports[j].Sized ? j : i].Size;
  if (main.Round != other.Round)
    return NotPriced("its main run is round at one end and rectangular at the other");
  if (Area(other) > Area(main))
    main = other;
  const TIfcSection branch = branchPort.Sized ? branchPort.Size : main;
  if (branch.Round != main.Round)
    return NotPriced("its branch and main run are not both round or both rectangular");
  TModelItem item = main.Round
                        ? Item(btTPiece, Join({Mm(main.Diameter), "90"}))
                        : Item(btYPiece, Join({Mm(main.Width), Mm(branch.Width), Mm(main.Height)}));
  if (!ports[i].Sized || !ports[j].Sized || !branchPort.Sized)
    item.Note = "an open end's size taken from the main run";
  return item;
}

// A model may hold any number; one the bill cannot write is no size.
TModelItem Readable(TModelItem item) {
  for (const std::string *numbers : {&item.Head, &item.Tail}) {
    std::size_t at = 0;
    while (at < numbers->size()) {
      const std::size_t end = std::min(numbers->find("  ", at), numbers->size());
      double x = 0;
      if (!ReadNumber(std::string_view(*numbers).substr(at, end - at), x) || std::abs(x) > 1e9)
        return NotPriced("its sizes are out of all proportion: " + item.Head +
                         (item.Tail.empty() ? "" : "  " + item.Tail));
      at = end + 2;
    }
  }
  return item;
}

} // namespace

TModelItem SegmentItem(const TIfcSection &section, double lengthM) {
  if (section.Round)
    return Readable(Item(btSpiral, Join({Mm(section.Diameter), M(lengthM)})));
  return Readable(Item(btStraightRect, Join({Mm(section.Width), Mm(section.Height), M(lengthM)})));
}

TModelItem FittingItem(std::string_view kind, std::span<const TFittingPort> ports) {
  if (kind == "BEND" || kind == "TRANSITION") {
    std::string reason;
    const std::optional<TEnds> ends = TwoEnds(ports, kind, reason);
    if (!ends)
      return NotPriced(reason);
    TModelItem item = kind == "BEND" ? Bend(ports, *ends) : Transition(ports, *ends);
    if (item.Priced())
      item.Note = ends->Note;
    return Readable(std::move(item));
  }
  if (kind == "JUNCTION")
    return Readable(Junction(ports));
  if (kind.empty() || kind == "NOTDEFINED" || kind == "USERDEFINED")
    return NotPriced("its kind of fitting is not defined, on it or its type");
  return NotPriced("the calculator has no costing for fittings of kind " + std::string(kind));
}

} // namespace korvane
