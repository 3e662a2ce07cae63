#pragma once
// The small value types every grid widget shares: the option set, the drawing
// state of a cell, a cell rectangle and the scroll bar and border choices.
#include <QFlags>

namespace korvane {

enum TxGridOption : unsigned {
  xgoFixedVertLine = 1u << 0,     // lines between fixed columns
  xgoFixedHorzLine = 1u << 1,     // lines between fixed rows
  xgoVertLine = 1u << 2,          // lines between scrolling columns
  xgoHorzLine = 1u << 3,          // lines between scrolling rows
  xgoRangeSelect = 1u << 4,       // several cells can be selected
  xgoDrawFocusSelected = 1u << 5, // the focused cell is highlighted too
  xgoRowSizing = 1u << 6,         // drag row borders in the fixed columns
  xgoColSizing = 1u << 7,         // drag column borders in the fixed rows
  xgoRowMoving = 1u << 8,         // drag a fixed row cell to move its row
  xgoColMoving = 1u << 9,         // drag a fixed column cell to move its column
  xgoEditing = 1u << 10,          // cells can be edited in place
  xgoTabs = 1u << 11,             // Tab moves between cells
  xgoRowSelect = 1u << 12,        // whole rows are selected; no editing
  xgoAlwaysShowEditor = 1u << 13, // the editor stays open while moving
  xgoThumbTracking = 1u << 14,    // scroll while the scroll box is dragged
};
Q_DECLARE_FLAGS(TxGridOptions, TxGridOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TxGridOptions)

enum TGridDrawStateFlag : unsigned {
  gdSelected = 1u << 0,
  gdFocused = 1u << 1,
  gdFixed = 1u << 2,
};
Q_DECLARE_FLAGS(TGridDrawState, TGridDrawStateFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TGridDrawState)

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
enum class TBorderStyle { bsNone, bsSingle };

// Inclusive cell coordinates, as the selection is kept.
struct TGridRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  bool Contains(int col, int row) const {
    return col >= Left && col <= Right && row >= Top && row <= Bottom;
  }
  bool operator==(const TGridRect &) const = default;
};

// Column format strings are short: longer texts are cut to this.
inline constexpr int kMaxColFormatLen = 12;

} // namespace korvane
