#include "bill/model/IfcTakeoff.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string_view>
#include <tuple>
#include <utility>

#include "bill/model/IfcEntities.h"
#include "bill/model/StepValues.h"

namespace korvane {

namespace {

// No fitting the calculator prices has more ports than a junction; one with
// far more is not looked at port by port.
constexpr std::size_t kMaxPorts = 8;
// A relation defines an element by one property set or a few; a model that
// names thousands is not multiplied out element by set.
constexpr std::size_t kMaxDefinitions = 16;
// A port or a property is a few dozen bytes; one far longer is none, and is
// not read again for every element that names it.
constexpr std::uint32_t kMaxLeaf = 4096;

// A relation between instances, many to many, looked up by its first id.
class TIdPairs {
public:
  void Add(std::uint64_t a, std::uint64_t b) { pairs_.emplace_back(a, b); }
  void Sort() { std::sort(pairs_.begin(), pairs_.end()); }
  std::span<const std::pair<std::uint64_t, std::uint64_t>> Of(std::uint64_t a) const {
    const auto lo =
        std::lower_bound(pairs_.begin(), pairs_.end(), std::make_pair(a, std::uint64_t{0}));
    auto hi = lo;
    while (hi != pairs_.end() && hi->first == a)
      ++hi;
    return {lo, hi};
  }
  std::uint64_t First(std::uint64_t a) const {
    const auto of = Of(a);
    return of.empty() ? 0 : of.front().second;
  }

private:
  std::vector<std::pair<std::uint64_t, std::uint64_t>> pairs_;
};

bool IsDuctKind(unsigned type) {
  return type == ifcDuctSegment || type == ifcDuctFitting || type == ifcFlowSegment ||
         type == ifcFlowFitting;
}

// What `make` gives for `key`, made the first time only.
template <class TMap, class TMake>
const typename TMap::mapped_type &Once(TMap &memo, const typename TMap::key_type &key, TMake make) {
  const auto [at, added] = memo.try_emplace(key);
  if (added)
    at->second = make();
  return at->second;
}

bool Undefined(std::string_view kind) {
  return kind.empty() || kind == "NOTDEFINED" || kind == "USERDEFINED";
}

class TTakeoffReader {
public:
  TTakeoffReader(const TStepFile &step, TModelTakeoff &takeoff)
      : step_(step), out_(takeoff), shapes_(step) {}
  bool Read(std::string &error);

private:
  const TStepEntity *Entity(std::string_view ref) const {
    std::uint64_t id = 0;
    return StepRef(ref, id) ? step_.Find(id) : nullptr;
  }
  unsigned TypeOf(std::uint64_t id) const {
    const TStepEntity *e = step_.Find(id);
    return e == nullptr ? ifcEntityCount : e->Type;
  }
  void Relations();
  void Relation(const TStepEntity &e);
  void Storeys();
  void Element(const TStepEntity &e, bool fittings);
  TModelItem Segment(const TStepEntity &e);
  TModelItem Fitting(const TStepEntity &e);
  bool PortSize(std::uint64_t port, TIfcSection &size);
  bool OwnPortSize(std::uint64_t port, TIfcSection &size);
  // The value of property `name` of set `set` (any set when empty) on
  // #object or its type; empty when there is none.
  std::string_view Property(std::uint64_t object, std::string_view set, std::string_view name);
  std::string_view InDefinition(std::uint64_t definition, std::string_view set,
                                std::string_view name);
  std::string_view InType(std::uint64_t type, std::string_view set, std::string_view name);
  std::string_view ReadDefinition(std::uint64_t definition, std::string_view set,
                                  std::string_view name) const;
  std::string_view ReadType(std::uint64_t type, std::string_view set, std::string_view name);
  std::string_view FittingKind(std::uint64_t type);
  std::size_t SectionOf(std::uint64_t element);

  const TStepFile &step_;
  TModelTakeoff &out_;
  TIfcShapes shapes_;
  // What a set, a type, a port gives, worked out once for all the elements
  // that share it.
  using TPropertyKey = std::tuple<std::uint64_t, std::string_view, std::string_view>;
  std::map<TPropertyKey, std::string_view> inDefinition_, inType_;
  std::map<std::uint64_t, std::string_view> kinds_;
  std::map<std::uint64_t, std::optional<TIfcSection>> portSizes_;
  double toMm_ = 1000, toM_ = 1;
  TIdPairs typeOf_, psets_, storeyOf_, systemOf_, portOwner_, ports_, connected_;
  std::vector<std::pair<std::uint64_t, TIfcSection>> sized_; // segments by id
  std::map<std::uint64_t, std::size_t> storeyOrder_;         // storey id to its place
  std::vector<std::pair<std::uint64_t, std::string>> systems_;
  std::map<std::pair<std::size_t, std::size_t>, std::size_t> sectionOf_;
  std::vector<std::pair<std::size_t, std::size_t>> sectionKeys_;
  std::vector<std::string> storeyTitles_;
  std::vector<std::string_view> list_;
};

void TTakeoffReader::Relation(const TStepEntity &e) {
  const std::string_view args = step_.Args(e);
  std::uint64_t a = 0, b = 0;
  switch (e.Type) {
  case ifcRelDefinesByType:
    if (StepRef(StepAttribute(args, 5), b) && StepListItems(StepAttribute(args, 4), list_))
      for (const std::string_view o : list_)
        if (StepRef(o, a) && IsDuctKind(TypeOf(a)))
          typeOf_.Add(a, b);
    return;
  case ifcRelDefinesByProperties: {
    std::vector<std::uint64_t> definitions;
    const std::string_view d = StepAttribute(args, 5);
    if (StepRef(d, b))
      definitions.push_back(b);
    else if (std::vector<std::string_view> items; StepListItems(d, items))
      for (const std::string_view item : items)
        if (StepRef(item, b) && definitions.size() < kMaxDefinitions)
          definitions.push_back(b);
    if (StepListItems(StepAttribute(args, 4), list_))
      for (const std::string_view o : list_)
        if (StepRef(o, a) && (IsDuctKind(TypeOf(a)) || TypeOf(a) == ifcDistributionPort))
          for (const std::uint64_t def : definitions)
            psets_.Add(a, def);
    return;
  }
  case ifcRelContainedInSpatialStructure:
    if (!StepRef(StepAttribute(args, 5), b) || !StepListItems(StepAttribute(args, 4), list_))
      return;
    for (const std::string_view o : list_) {
      if (StepRef(o, a) && IsDuctKind(TypeOf(a))) {
        if (TypeOf(b) == ifcBuildingStorey)
          storeyOf_.Add(a, b);
      } else {
        ++out_.Ignored;
      }
    }
    return;
  case ifcRelAssignsToGroup:
    if (!StepRef(StepAttribute(args, 6), b) ||
        (TypeOf(b) != ifcSystem && TypeOf(b) != ifcDistributionSystem) ||
        !StepListItems(StepAttribute(args, 4), list_))
      return;
    for (const std::string_view o : list_)
      if (StepRef(o, a) && IsDuctKind(TypeOf(a)))
        systemOf_.Add(a, b);
    return;
  case ifcRelNests:
    if (StepRef(StepAttribute(args, 4), b) && IsDuctKind(TypeOf(b)) &&
        StepListItems(StepAttribute(args, 5), list_))
      for (const std::string_view o : list_)
        if (StepRef(o, a) && TypeOf(a) == ifcDistributionPort) {
          portOwner_.Add(a, b);
          ports_.Add(b, a);
        }
    return;
  case ifcRelConnectsPortToElement:
    if (StepRef(StepAttribute(args, 4), a) && StepRef(StepAttribute(args, 5), b) &&
        TypeOf(a) == ifcDistributionPort && IsDuctKind(TypeOf(b))) {
      portOwner_.Add(a, b);
      ports_.Add(b, a);
    }
    return;
  case ifcRelConnectsPorts:
    if (StepRef(StepAttribute(args, 4), a) && StepRef(StepAttribute(args, 5), b)) {
      connected_.Add(a, b);
      connected_.Add(b, a);
    }
    return;
  default:
    return;
  }
}

void TTakeoffReader::Relations() {
  for (const TStepEntity &e : step_.Entities())
    Relation(e);
  for (TIdPairs *pairs :
       {&typeOf_, &psets_, &storeyOf_, &systemOf_, &portOwner_, &ports_, &connected_})
    pairs->Sort();
}

void TTakeoffReader::Storeys() {
  struct TStorey {
    double Elevation;
    std::uint64_t Id;
    std::string Title;
  };
  std::vector<TStorey> storeys;
  for (const TStepEntity &e : step_.Entities()) {
    if (e.Type == ifcBuildingStorey) {
      const std::string_view args = step_.Args(e);
      double elevation = 0;
      if (!StepReal(StepAttribute(args, 9), elevation))
        elevation = 0;
      std::string title = StepString(StepAttribute(args, 2));
      if (title.empty())
        title = StepString(StepAttribute(args, 7));
      if (title.empty())
        title = "Storey #" + std::to_string(e.Id);
      storeys.push_back({elevation, e.Id, std::move(title)});
    } else if (e.Type == ifcSystem || e.Type == ifcDistributionSystem) {
      std::string title = StepString(StepAttribute(step_.Args(e), 2));
      systems_.emplace_back(e.Id, title.empty() ? "System #" + std::to_string(e.Id) : title);
    }
  }
  std::stable_sort(storeys.begin(), storeys.end(),
                   [](const TStorey &a, const TStorey &b) { return a.Elevation < b.Elevation; });
  for (TStorey &s : storeys) {
    storeyOrder_[s.Id] = storeyTitles_.size();
    storeyTitles_.push_back(std::move(s.Title));
  }
}

std::size_t TTakeoffReader::SectionOf(std::uint64_t element) {
  std::size_t storey = storeyTitles_.size(); // none: after every storey
  if (const auto it = storeyOrder_.find(storeyOf_.First(element)); it != storeyOrder_.end())
    storey = it->second;
  std::size_t system = 0; // none: before the storey's systems
  const std::uint64_t group = systemOf_.First(element);
  const auto it = std::lower_bound(systems_.begin(), systems_.end(), group,
                                   [](const auto &s, std::uint64_t id) { return s.first < id; });
  if (group != 0 && it != systems_.end() && it->first == group)
    system = static_cast<std::size_t>(it - systems_.begin()) + 1;
  const auto key = std::make_pair(storey, system);
  const auto [at, added] = sectionOf_.emplace(key, sectionKeys_.size());
  if (added)
    sectionKeys_.push_back(key);
  return at->second;
}

std::string_view TTakeoffReader::InDefinition(std::uint64_t definition, std::string_view set,
                                              std::string_view name) {
  return Once(inDefinition_, {definition, set, name},
              [&] { return ReadDefinition(definition, set, name); });
}

std::string_view TTakeoffReader::ReadDefinition(std::uint64_t definition, std::string_view set,
                                                std::string_view name) const {
  const TStepEntity *d = step_.Find(definition);
  if (d == nullptr || (d->Type != ifcPropertySet && d->Type != ifcElementQuantity))
    return {};
  const std::string_view args = step_.Args(*d);
  if (!set.empty() && StepString(StepAttribute(args, 2)) != set)
    return {};
  const bool quantities = d->Type == ifcElementQuantity;
  std::vector<std::string_view> items;
  if (!StepListItems(StepAttribute(args, quantities ? 5 : 4), items))
    return {};
  for (const std::string_view item : items) {
    const TStepEntity *p = Entity(item);
    if (p == nullptr || p->Size > kMaxLeaf ||
        p->Type != (quantities ? ifcQuantityLength : ifcPropertySingleValue))
      continue;
    const std::string_view pargs = step_.Args(*p);
    if (StepString(StepAttribute(pargs, 0)) == name)
      return StepAttribute(pargs, quantities ? 3 : 2);
  }
  return {};
}

std::string_view TTakeoffReader::InType(std::uint64_t type, std::string_view set,
                                        std::string_view name) {
  return Once(inType_, {type, set, name}, [&] { return ReadType(type, set, name); });
}

std::string_view TTakeoffReader::ReadType(std::uint64_t type, std::string_view set,
                                          std::string_view name) {
  const TStepEntity *t = step_.Find(type);
  std::vector<std::string_view> sets;
  if (t == nullptr || (t->Type != ifcDuctSegmentType && t->Type != ifcDuctFittingType) ||
      !StepListItems(StepAttribute(step_.Args(*t), 5), sets))
    return {};
  for (const std::string_view s : sets) {
    std::uint64_t id = 0;
    if (StepRef(s, id))
      if (const std::string_view v = InDefinition(id, set, name); !v.empty())
        return v;
  }
  return {};
}

std::string_view TTakeoffReader::Property(std::uint64_t object, std::string_view set,
                                          std::string_view name) {
  for (const auto &[o, definition] : psets_.Of(object))
    if (const std::string_view v = InDefinition(definition, set, name); !v.empty())
      return v;
  return InType(typeOf_.First(object), set, name);
}

TModelItem TTakeoffReader::Segment(const TStepEntity &e) {
  const std::string_view args = step_.Args(e);
  TIfcSection section;
  double depth = 0;
  std::uint64_t shape = 0;
  if (StepRef(StepAttribute(args, 6), shape) && shapes_.ExtrudedSection(shape, section, depth)) {
    section.Width *= toMm_;
    section.Height *= toMm_;
    section.Diameter *= toMm_;
    sized_.emplace_back(e.Id, section);
    return SegmentItem(section, depth * toM_);
  }
  // No extrusion: the nominal sizes and length the model states.
  constexpr std::string_view kSizes = "Pset_DuctSegmentTypeCommon";
  constexpr std::string_view kLength = "Qto_DuctSegmentBaseQuantities";
  double width = 0, height = 0, length = 0;
  const bool sized = StepReal(Property(e.Id, kSizes, "NominalDiameterOrWidth"), width) && width > 0;
  const bool high = StepReal(Property(e.Id, kSizes, "NominalHeight"), height) && height > 0;
  const bool measured = StepReal(Property(e.Id, kLength, "Length"), length) && length > 0;
  if (!sized || !measured) {
    TModelItem item;
    item.Reason = "its body is no extruded rectangle or circle, and its property sets give no " +
                  std::string(!sized ? "NominalDiameterOrWidth in Pset_DuctSegmentTypeCommon"
                                     : "Length in Qto_DuctSegmentBaseQuantities");
    return item;
  }
  const std::string_view shapeName = StepEnum(Property(e.Id, kSizes, "Shape"));
  section.Round = shapeName == "ROUND" || (!high && shapeName != "RECTANGULAR");
  section.Diameter = section.Width = width * toMm_;
  section.Height = height * toMm_;
  sized_.emplace_back(e.Id, section);
  TModelItem item = SegmentItem(section, length * toM_);
  item.Note = "size from Pset_DuctSegmentTypeCommon, length from Qto_DuctSegmentBaseQuantities";
  return item;
}

bool TTakeoffReader::PortSize(std::uint64_t port, TIfcSection &size) {
  const std::optional<TIfcSection> &known = Once(portSizes_, port, [&] {
    TIfcSection s;
    return OwnPortSize(port, s) ? std::optional<TIfcSection>(s) : std::nullopt;
  });
  if (known)
    size = *known;
  return known.has_value();
}

bool TTakeoffReader::OwnPortSize(std::uint64_t port, TIfcSection &size) {
  const std::uint64_t segment = portOwner_.First(connected_.First(port));
  const auto it = std::lower_bound(sized_.begin(), sized_.end(), segment,
                                   [](const auto &s, std::uint64_t id) { return s.first < id; });
  if (segment != 0 && it != sized_.end() && it->first == segment) {
    size = it->second;
    return true;
  }
  // An open end: the port's own nominal size.
  double w = 0, h = 0, d = 0;
  const bool wide = StepReal(Property(port, {}, "NominalWidth"), w) && w > 0;
  const bool high = StepReal(Property(port, {}, "NominalHeight"), h) && h > 0;
  if (StepReal(Property(port, {}, "NominalDiameter"), d) && d > 0) {
    size.Round = true;
    size.Diameter = d * toMm_;
    return true;
  }
  if (!wide)
    return false;
  size.Round = !high;
  size.Diameter = size.Width = w * toMm_;
  size.Height = h * toMm_;
  return true;
}

std::string_view TTakeoffReader::FittingKind(std::uint64_t type) {
  return Once(kinds_, type, [&] {
    const TStepEntity *t = step_.Find(type);
    return t != nullptr && t->Type == ifcDuctFittingType
               ? StepEnum(StepAttribute(step_.Args(*t), 9))
               : std::string_view();
  });
}

TModelItem TTakeoffReader::Fitting(const TStepEntity &e) {
  std::string_view kind;
  if (e.Type == ifcDuctFitting)
    kind = StepEnum(StepAttribute(step_.Args(e), 8));
  if (Undefined(kind))
    kind = FittingKind(typeOf_.First(e.Id));
  const auto owned = ports_.Of(e.Id);
  TModelItem item;
  if (owned.size() > kMaxPorts) {
    item.Reason = "it has " + std::to_string(owned.size()) + " ports";
    return item;
  }
  std::vector<TFittingPort> ports(owned.size());
  for (std::size_t i = 0; i < owned.size(); ++i) {
    const std::uint64_t port = owned[i].second;
    std::uint64_t placement = 0;
    const TStepEntity *p = step_.Find(port);
    if (p == nullptr || p->Size > kMaxLeaf ||
        !StepRef(StepAttribute(step_.Args(*p), 5), placement) ||
        !shapes_.WorldFrame(placement, ports[i].Frame)) {
      item.Reason = "where its port #" + std::to_string(port) + " is placed cannot be read";
      return item;
    }
    for (double &x : ports[i].Frame.Origin)
      x *= toMm_;
    ports[i].Sized = PortSize(port, ports[i].Size);
  }
  return FittingItem(kind, ports);
}

void TTakeoffReader::Element(const TStepEntity &e, bool fittings) {
  const bool fitting = e.Type == ifcDuctFitting || e.Type == ifcFlowFitting;
  if (fitting != fittings)
    return;
  if (e.Type == ifcFlowSegment || e.Type == ifcFlowFitting) {
    const unsigned type = TypeOf(typeOf_.First(e.Id));
    if (type != (fitting ? ifcDuctFittingType : ifcDuctSegmentType)) {
      // A pipe, a cable carrier, anything else that carries a flow.
      ++out_.Ignored;
      return;
    }
  }
  const std::string_view args = step_.Args(e);
  TModelElement element;
  element.GlobalId = StepString(StepAttribute(args, 0));
  element.Name = StepString(StepAttribute(args, 2));
  element.Entity = e.Type;
  element.Section = SectionOf(e.Id);
  element.Item = fitting ? Fitting(e) : Segment(e);
  out_.Elements.push_back(std::move(element));
}

bool TTakeoffReader::Read(std::string &error) {
  out_ = TModelTakeoff{};
  out_.Schema = step_.Schema() == TStepSchema::Ifc2x3 ? "IFC2X3" : "IFC4";
  if (!IfcProjectLengthUnit(step_, out_.Unit, error))
    return false;
  toMm_ = out_.Unit.Metres * 1000;
  toM_ = out_.Unit.Metres;
  for (const TStepEntity &e : step_.Entities())
    if (e.Type == ifcProject) {
      out_.Project = StepString(StepAttribute(step_.Args(e), 2));
      if (out_.Project.empty())
        out_.Project = StepString(StepAttribute(step_.Args(e), 5));
      break;
    }
  Relations();
  Storeys();
  for (const bool fittings : {false, true}) {
    for (const TStepEntity &e : step_.Entities())
      if (IsDuctKind(e.Type))
        Element(e, fittings);
    if (!fittings)
      std::sort(sized_.begin(), sized_.end(),
                [](const auto &a, const auto &b) { return a.first < b.first; });
  }
  // Sections: storeys by elevation, each with its elements of no system
  // first, then by system in the model's order.
  std::vector<std::size_t> order(sectionKeys_.size());
  for (std::size_t i = 0; i < order.size(); ++i)
    order[i] = i;
  std::sort(order.begin(), order.end(),
            [this](std::size_t a, std::size_t b) { return sectionKeys_[a] < sectionKeys_[b]; });
  std::vector<std::size_t> place(order.size());
  for (std::size_t i = 0; i < order.size(); ++i) {
    place[order[i]] = i;
    const auto [storey, system] = sectionKeys_[order[i]];
    std::string title = storey < storeyTitles_.size() ? storeyTitles_[storey] : "Not in a storey";
    if (system > 0)
      title += " - " + systems_[system - 1].second;
    out_.Sections.push_back(std::move(title));
  }
  for (TModelElement &element : out_.Elements)
    element.Section = place[element.Section];
  std::stable_sort(
      out_.Elements.begin(), out_.Elements.end(),
      [](const TModelElement &a, const TModelElement &b) { return a.Section < b.Section; });
  return true;
}

} // namespace

bool ReadIfcTakeoff(const TStepFile &step, TModelTakeoff &takeoff, std::string &error) {
  TTakeoffReader reader(step, takeoff);
  return reader.Read(error);
}

} // namespace korvane
