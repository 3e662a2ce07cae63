#pragma once
// What an item keyword of a bill stands for: the calculator's item type it is
// priced as (with the vanes or plate its keyword implies), or why it is not
// priced; and the order of the numbers on its lines, which is the order of
// the summary line the Copy command writes.
#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace korvane {

enum class TBillSlot {
  Row,      // the value of a property row
  Quantity, // the number off
  SameAs,   // must equal the number of an earlier slot (the reducing bend's height)
  Angle90,  // the T-piece's angle, always 90
  Radius,   // the elbow's radius in mm, one of its Radius choices
};

struct TBillSlotSpec {
  TBillSlot Kind = TBillSlot::Row;
  int Prop = -1; // Row, Radius: index into the type's Props; SameAs: the slot
};

struct TBillItemForm {
  int Type = -1;            // the calculator's item type; -1: not priced
  std::string_view Reason;  // why it is not priced
  bool Vanes = false;       // a Vaned... keyword
  bool Plate = false;       // PlateSpigot
  bool HasQuantity = false; // its lines carry the number off
  std::array<TBillSlotSpec, 6> Slots{};
  std::size_t SlotCount = 0;

  std::span<const TBillSlotSpec> Numbers() const { return {Slots.data(), SlotCount}; }
};

// The form of item keyword `code` (a bill token code from 39 to 65).
const TBillItemForm &BillItemForm(int code);

// The item keyword that prices calculator type `type` with the vanes and
// plate asked for; 0 when the bill language has none.
int BillItemCode(int type, bool vanes = false, bool plate = false);

// The number of a line's numbers, as a reader sees them: "W H A N" ...
std::string_view BillNumbersHint(int type);

} // namespace korvane
