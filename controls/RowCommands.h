#pragma once
// What the grid's row editors do to a row once the user acts on them: a spin
// click, cycling an enumeration, a property editor. Each stores the new value
// with SetData and then reports the commit through DoSetData, exactly like an
// ended in-place edit, so the grid widget only wires buttons and keys here.
#include "controls/EntryRows.h"

namespace korvane {

enum class TSpinDirection { Up, Down };

// Moves a numeric row to the next multiple of its step strictly above (or
// below) the value as shown, clamped to the range. Nothing happens on a row
// without a numeric field, on a value that does not read as a number, or
// when the value already sits on the bound in that direction. Returns
// whether the value was stored and committed.
bool SpinRow(TEntryRows &rows, int ARow, TSpinDirection direction);

// Steps an enumeration row to its next (or previous) item, wrapping at both
// ends; a value that is no item starts again from the first (or the last).
// Returns whether the value was stored and committed.
bool CycleEnum(TEntryRows &rows, int ARow, bool forward);

// Runs the row's property editor on its value: mrOk stores and commits the
// edited value, anything else leaves the row alone. Returns the editor's
// result (mrCancel and mrOk tell the grid to take the focus back), 0 when
// the row has no property editor.
int EditProperty(TEntryRows &rows, int ARow);

} // namespace korvane
