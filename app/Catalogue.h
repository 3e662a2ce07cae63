#pragma once
// The fifteen item types the calculator prices: their keywords, display
// names, property keys, the row texts of the Dimensions page and the values
// a new run starts with. The type index is a type's identity everywhere
// (combo box position, solve dispatch, item-file section order).
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "base/Variant.h"

namespace korvane {

inline constexpr int kTypeCount = 15;
inline constexpr int kMaxProps = 9;
// Types 0 to 7 are rectangular, 8 to 14 round.
inline constexpr int kFirstRoundType = 8;

enum TDuctType : int {
  dtStraightRect,
  dtRadiusBend,
  dtSquareBend,
  dtSquareBendReducing,
  dtSquareToRound,
  dtTaper,
  dtSquareStopEnd,
  dtYPiece,
  dtSpiral,
  dtRoundSpigot,
  dtElbow,
  dtReducer,
  dtTPiece,
  dtNipple,
  dtRoundStopEnd,
};

struct TDuctTypeRec {
  std::string_view Key;
  std::string_view Name;
  std::array<std::string_view, kMaxProps> Props; // entries after the last key are empty

  int PropCount() const;
};

extern const std::array<TDuctTypeRec, kTypeCount> DuctTypes;

inline bool IsRoundType(int type) {
  return type >= kFirstRoundType;
}

using TMyVarArray = std::vector<Variant>;
// One value array per type, in type index order.
using TItemValues = std::array<TMyVarArray, kTypeCount>;

// The catalogue's changing half: row texts per type (header first) and the
// current values of every type, so switching types keeps what was typed.
struct TCatalogue {
  std::array<std::vector<std::string>, kTypeCount> RowSpecs;
  TItemValues ItemValues;
  int CurrentType = 0;
};

// Fills the row texts and the start values.
void BuildCatalogue(TCatalogue &catalogue);

// The row texts of the Options page of the main window.
std::vector<std::string> OptionRowSpecs();

// Index of a type by its Key or Name, case ignored; -1 when there is none.
int FindDuctType(std::string_view keyOrName);

// Index of a property key of `type` (its data row minus one), case ignored;
// -1 when the type has no such key.
int FindPropKey(int type, std::string_view key);

// Every property key of the types once (case ignored), in type order: Width,
// Height, Length, Gauge, Flange, Insulation, Angle, Vanes, Width1, Width2,
// Diameter, Height1, Height2, Reinforcing, Plate, Radius. The columns of the
// tables that hold items of any type.
const std::vector<std::string_view> &CatalogueProps();

} // namespace korvane
