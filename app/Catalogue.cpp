#include "app/Catalogue.h"

#include <algorithm>
#include <cstdint>

#include "base/AsciiText.h"

namespace korvane {

const std::array<TDuctTypeRec, kTypeCount> DuctTypes = {{
    {"StraightRect",
     "Straight Rectangular",
     {"Width", "Height", "Length", "Gauge", "Flange", "Insulation"}},
    {"RadiusBend",
     "Radius Bend",
     {"Width", "Height", "Angle", "Vanes", "Gauge", "Flange", "Insulation"}},
    {"SquareBend", "Square Bend", {"Width", "Height", "Vanes", "Gauge", "Flange", "Insulation"}},
    {"SquareBendReducing",
     "Reducing Square Bend",
     {"Width1", "Height", "Width2", "Vanes", "Gauge", "Flange", "Insulation"}},
    {"SquareToRound",
     "Square To Round",
     {"Width", "Height", "Diameter", "Length", "Gauge", "Flange", "Insulation"}},
    {"Taper",
     "Taper",
     {"Width1", "Height1", "Width2", "Height2", "Length", "Gauge", "Flange", "Insulation"}},
    {"SquareStopEnd", "Rectangular Stop End", {"Width", "Height", "Gauge", "Flange", "Insulation"}},
    {"YPiece", "Y-Piece", {"Width1", "Width2", "Height", "Vanes", "Gauge", "Flange", "Insulation"}},
    {"Spiral", "Spiral", {"Diameter", "Length", "Reinforcing", "Gauge", "Insulation"}},
    {"RoundSpigot", "Round Spigot", {"Diameter", "Plate", "Gauge", "Insulation"}},
    {"Elbow", "Elbow", {"Diameter", "Angle", "Radius", "Reinforcing", "Gauge", "insulation"}},
    {"Reducer", "Reducer", {"Diameter", "Length", "Gauge", "Insulation"}},
    {"TPiece", "T-Piece", {"Diameter", "Gauge", "Insulation"}},
    {"Nipple", "Nipple", {"Diameter", "Gauge", "Insulation"}},
    {"RoundStopEnd", "Round Stop End", {"Diameter", "Gauge", "Insulation"}},
}};

int TDuctTypeRec::PropCount() const {
  return static_cast<int>(
      std::count_if(Props.begin(), Props.end(), [](std::string_view p) { return !p.empty(); }));
}

namespace {

// Row texts of the Dimensions page.
constexpr const char *kHeader = "Property; Value; Units";
constexpr const char *kWidth = "Width; %0.0f; mm; NPE; 100; 2400";
constexpr const char *kHeight = "Height; %0.0f; mm; NPE; 100; 2400";
constexpr const char *kLength = "Length; %0.3f; m; NPE; 0.1; 99.0";
constexpr const char *kAngle = "Angle; %0.0f; °; Spin; 0; 180; 45";
constexpr const char *kVanes = "Vanes; enum;; No; Yes";
constexpr const char *kDiameter = "Diameter; %0.0f; mm; NPE; 100; 2400";
constexpr const char *kReinforcing = "Reinforcing; enum;; No; Yes";
constexpr const char *kMountingPlate = "Mounting Plate; enum;; No; Yes";
constexpr const char *kRadius = "Radius; enum; mm; 1 Dia; 1.5 Dia; 2 Dia; 150";
constexpr const char *kShortLength = "Length; %0.3f; m; Spin; 0.1; 1.2; 0.3";
constexpr const char *kFittingLength = "Length; %0.3f; m; Spin; 0.3; 2.4; 0.3";
constexpr const char *kGauge = "Gauge; enum; mm; Auto; 0.6; 0.8; 1.0; 1.2; 1.6; 2.0; 2.4; 3.0";
constexpr const char *kRectFlange =
    "Flange; enum;; Auto; Slip and Drive; 20mm Mezz; 35mm Mezz; 20/3mm Angle; 30/3mm Angle; "
    "40/3mm Angle; 40/5mm Angle; 50/5mm Angle";
constexpr const char *kRectInsulation =
    "Insulation; enum;; None; 25mm Internal; 50mm Internal; 25mm DuctWrap; 50mm DuctWrap";
constexpr const char *kRoundInsulation = "Insulation; enum;; None; 25mm DuctWrap; 50mm DuctWrap";

// A start value: a number for numeric rows, an item index for enumerations.
struct TStart {
  const char *row;
  Variant value;
};
using I = std::int32_t;

std::vector<TStart> TypeRows(int type) {
  switch (type) {
  case dtStraightRect:
    return {{kWidth, 600.0}, {kHeight, 500.0}, {kLength, 2.4}};
  case dtRadiusBend:
    return {{kWidth, 750.0}, {kHeight, 500.0}, {kAngle, 90.0}, {kVanes, I{0}}};
  case dtSquareBend:
    return {{kWidth, 750.0}, {kHeight, 500.0}, {kVanes, I{0}}};
  case dtSquareBendReducing:
    return {{kWidth, 750.0}, {kHeight, 500.0}, {kWidth, 400.0}, {kVanes, I{0}}};
  case dtSquareToRound:
    return {{kWidth, 750.0}, {kHeight, 500.0}, {kDiameter, 600.0}, {kFittingLength, 1.2}};
  case dtTaper:
    return {{kWidth, 750.0},
            {kHeight, 500.0},
            {kWidth, 600.0},
            {kHeight, 500.0},
            {kFittingLength, 1.2}};
  case dtSquareStopEnd:
    return {{kWidth, 750.0}, {kHeight, 500.0}};
  case dtYPiece:
    return {{kWidth, 500.0}, {kWidth, 500.0}, {kHeight, 500.0}, {kVanes, I{0}}};
  case dtSpiral:
    return {{kDiameter, 500.0}, {kLength, 3.0}, {kReinforcing, I{1}}};
  case dtRoundSpigot:
    return {{kDiameter, 500.0}, {kMountingPlate, I{1}}};
  case dtElbow:
    return {{kDiameter, 500.0}, {kAngle, 90.0}, {kRadius, I{0}}, {kReinforcing, I{0}}};
  case dtReducer:
    return {{kDiameter, 500.0}, {kShortLength, 0.3}};
  default: // T-piece, nipple, round stop end
    return {{kDiameter, 500.0}};
  }
}

} // namespace

void BuildCatalogue(TCatalogue &catalogue) {
  for (int t = 0; t < kTypeCount; ++t) {
    auto &rowTexts = catalogue.RowSpecs[static_cast<size_t>(t)];
    auto &values = catalogue.ItemValues[static_cast<size_t>(t)];
    rowTexts.assign(1, kHeader);
    values.clear();
    for (const TStart &row : TypeRows(t)) {
      rowTexts.emplace_back(row.row);
      values.push_back(row.value);
    }
    // Option rows close every list; all start at their first item.
    rowTexts.emplace_back(kGauge);
    if (IsRoundType(t)) {
      rowTexts.emplace_back(kRoundInsulation);
    } else {
      rowTexts.emplace_back(kRectFlange);
      rowTexts.emplace_back(kRectInsulation);
    }
    values.resize(rowTexts.size() - 1, Variant(I{0}));
  }
  catalogue.CurrentType = 0;
}

std::vector<std::string> OptionRowSpecs() {
  return {"Property; Value", "Cost File; %s;; PE", "Erection; enum;; No; Yes",
          "Brackets; enum;; No; Yes"};
}

namespace {

// EqualsNoCase with the cheap tests first: the length and the first letter,
// then the same bytes (a key typed as the catalogue writes it), then case
// folded. Both texts are not empty. The command-line
// pricer looks up a type and several keys per item.
bool SameKey(std::string_view known, std::string_view text) {
  return known.size() == text.size() && AsciiLower(known[0]) == AsciiLower(text[0]) &&
         (known == text || EqualsNoCase(known, text));
}

} // namespace

int FindDuctType(std::string_view keyOrName) {
  if (keyOrName.empty())
    return -1;
  for (int t = 0; t < kTypeCount; ++t) {
    const auto &rec = DuctTypes[static_cast<size_t>(t)];
    if (SameKey(rec.Key, keyOrName) || SameKey(rec.Name, keyOrName))
      return t;
  }
  return -1;
}

int FindPropKey(int type, std::string_view key) {
  if (type < 0 || type >= kTypeCount || key.empty())
    return -1;
  const auto &props = DuctTypes[static_cast<size_t>(type)].Props;
  for (size_t k = 0; k < props.size(); ++k)
    if (SameKey(props[k], key))
      return static_cast<int>(k);
  return -1;
}

const std::vector<std::string_view> &CatalogueProps() {
  static const std::vector<std::string_view> props = [] {
    std::vector<std::string_view> all;
    for (const TDuctTypeRec &rec : DuctTypes)
      for (const std::string_view key : rec.Props)
        if (!key.empty() && std::none_of(all.begin(), all.end(), [key](std::string_view known) {
              return EqualsNoCase(known, key);
            }))
          all.push_back(key);
    return all;
  }();
  return props;
}

} // namespace korvane
