#include "bill/job/BillItemForms.h"

#include <initializer_list>

#include "app/Catalogue.h"
#include "bill/BillKeywords.h"

namespace korvane {

namespace {

constexpr TBillSlotSpec Row(int prop) {
  return {TBillSlot::Row, prop};
}
constexpr TBillSlotSpec kQty{TBillSlot::Quantity, -1};

constexpr TBillItemForm Priced(int type, std::initializer_list<TBillSlotSpec> slots,
                               bool vanes = false, bool plate = false) {
  TBillItemForm form;
  form.Type = type;
  form.Vanes = vanes;
  form.Plate = plate;
  for (const TBillSlotSpec &slot : slots) {
    form.Slots[form.SlotCount++] = slot;
    form.HasQuantity = form.HasQuantity || slot.Kind == TBillSlot::Quantity;
  }
  return form;
}

constexpr TBillItemForm NotPriced(std::string_view reason) {
  TBillItemForm form;
  form.Reason = reason;
  return form;
}

// Props indexes follow the catalogue: e.g. RadiusBend Width 0, Height 1,
// Angle 2; SquareBendReducing Width1 0, Height 1, Width2 2.
constexpr std::array<TBillItemForm, kBillLastItemType - kBillFirstItemType + 1> kForms{
    Priced(dtStraightRect, {Row(0), Row(1), Row(2)}),
    NotPriced("the calculator has no costing for set-ups and set-downs"),
    NotPriced("the calculator has no costing for offsets"),
    Priced(dtRadiusBend, {Row(0), Row(1), Row(2), kQty}),
    Priced(dtRadiusBend, {Row(0), Row(1), Row(2), kQty}, true),
    Priced(dtSquareBend, {Row(0), Row(1), kQty}),
    Priced(dtSquareBend, {Row(0), Row(1), kQty}, true),
    Priced(dtSquareBendReducing, {Row(0), Row(1), Row(2), {TBillSlot::SameAs, 1}, kQty}),
    Priced(dtSquareBendReducing, {Row(0), Row(1), Row(2), {TBillSlot::SameAs, 1}, kQty}, true),
    Priced(dtSquareToRound, {Row(0), Row(1), Row(2), kQty, Row(3)}),
    Priced(dtTaper, {Row(0), Row(1), Row(2), Row(3), kQty, Row(4)}),
    NotPriced("the calculator has no costing for shoes"),
    Priced(dtSquareStopEnd, {Row(0), Row(1), kQty}),
    NotPriced("the calculator has no costing for square spigots"),
    NotPriced("the calculator has no costing for collars"),
    NotPriced("the calculator has no costing for cut-ins"),
    Priced(dtYPiece, {Row(0), Row(1), Row(2), kQty}),
    NotPriced("a user-defined item type has no costing in the calculator"),
    Priced(dtSpiral, {Row(0), Row(1)}),
    NotPriced("the calculator prices straight round duct as Spiral only"),
    Priced(dtRoundSpigot, {Row(0), kQty}),
    Priced(dtRoundSpigot, {Row(0), kQty}, false, true),
    Priced(dtElbow, {Row(0), {TBillSlot::Radius, 2}, Row(1), kQty}),
    Priced(dtReducer, {Row(0), Row(1), kQty}),
    Priced(dtTPiece, {Row(0), {TBillSlot::Angle90, -1}, kQty}),
    Priced(dtNipple, {Row(0), kQty}),
    Priced(dtRoundStopEnd, {Row(0), kQty}),
};

constexpr std::array<std::string_view, kTypeCount> kHints{
    "width, height, length",
    "width, height, angle, number off",
    "width, height, number off",
    "width, height, width 2, height, number off",
    "width, height, diameter, number off, length",
    "width 1, height 1, width 2, height 2, number off, length",
    "width, height, number off",
    "width 1, width 2, height, number off",
    "diameter, length",
    "diameter, number off",
    "diameter, radius, angle, number off",
    "diameter, length, number off",
    "diameter, 90, number off",
    "diameter, number off",
    "diameter, number off",
};

} // namespace

const TBillItemForm &BillItemForm(int code) {
  static constexpr TBillItemForm kNone = NotPriced("not an item keyword");
  if (!IsBillItemType(code))
    return kNone;
  return kForms[static_cast<std::size_t>(code - kBillFirstItemType)];
}

int BillItemCode(int type, bool vanes, bool plate) {
  for (int code = kBillFirstItemType; code <= kBillLastItemType; ++code) {
    const TBillItemForm &form = BillItemForm(code);
    if (form.Type == type && form.Vanes == vanes && form.Plate == plate)
      return code;
  }
  return 0;
}

std::string_view BillNumbersHint(int type) {
  if (type < 0 || type >= kTypeCount)
    return {};
  return kHints[static_cast<std::size_t>(type)];
}

} // namespace korvane
