#include "bill/job/BillItemBuilder.h"

#include <cmath>

#include "base/NumberText.h"

namespace korvane {

namespace {

constexpr std::array<std::string_view, 4> kRadiusItems{"1 Dia", "1.5 Dia", "2 Dia", "150"};

int Prop(int type, std::string_view key) {
  return FindPropKey(type, key);
}

std::string Whole(double x) {
  return FormatFixed(x, 0);
}

} // namespace

void TBillItemBuilder::Add(TItemLine &item, int prop, std::string_view text) const {
  TItemAssignment &a = item.Values[item.Count++];
  a.Prop = prop;
  a.Value = text;
}

bool TBillItemBuilder::Begin(int code, const TBillOptions &own, const TBillOptions &defaults,
                             std::string &error) {
  form_ = &BillItemForm(code);
  const int type = form_->Type;
  options_ = TItemLine{};
  options_.Type = type;
  if (type < 0)
    return true;
  const std::string_view name = DuctTypes[static_cast<std::size_t>(type)].Key;
  const int reinforcing = Prop(type, "Reinforcing");
  const bool round = IsRoundType(type);
  // Options the item has no row for are a mistake in its own list; coming
  // from GlobalSettings they are meant for other items and pass it by.
  if (own.Reinforcing && reinforcing < 0) {
    error = std::string(name) + " has no Reinforcing option";
    return false;
  }
  if (own.Flange && round) {
    error = std::string(name) + " is round and has no flange";
    return false;
  }
  if (own.NumberOff && form_->HasQuantity) {
    error = "NumberOff is for StraightRect and Spiral; the lines of " + std::string(name) +
            " give their own number off";
    return false;
  }
  const TBillOptions o = own.Over(defaults);
  const TInsulationKind kind = o.Insulation.value_or(ikNone);
  const std::string_view insulation = InsulationItemText(kind, o.InsThickness);
  if (insulation.empty()) {
    error = std::string("Insulation=") + (kind == ikInternal ? "Internal" : "External") +
            " needs InsThickness=25mm or 50mm";
    return false;
  }
  erection_ = o.Erection.value_or(false);
  brackets_ = o.Brackets.value_or(false);
  numberOff_ = form_->HasQuantity ? 1 : own.NumberOff.value_or(1);

  Add(options_, Prop(type, "Gauge"), GaugeItemText(o.Gauge.value_or(0)));
  Add(options_, Prop(type, "Insulation"), insulation);
  if (!round)
    Add(options_, Prop(type, "Flange"), FlangeItemText(o.Flange.value_or(0)));
  if (const int vanes = Prop(type, "Vanes"); vanes >= 0)
    Add(options_, vanes, form_->Vanes ? "Yes" : "No");
  if (reinforcing >= 0)
    Add(options_, reinforcing, o.Reinforcing.value_or(false) ? "Yes" : "No");
  if (const int plate = Prop(type, "Plate"); plate >= 0)
    Add(options_, plate, form_->Plate ? "Yes" : "No");
  return true;
}

// The elbow's radius is written in mm (Copy writes it in whole mm); it must
// be that of one of the Radius choices for the elbow's diameter as its row
// shows it.
bool TBillItemBuilder::Radius(std::string_view diameterText, std::string_view radiusText,
                              std::string &error) {
  double d = 0;
  double r = 0;
  if (!ReadNumber(diameterText, d) || !ReadNumber(radiusText, r)) {
    error = "'" + std::string(ReadNumber(diameterText, d) ? radiusText : diameterText) +
            "' is not a number";
    return false;
  }
  d = std::nearbyint(d);
  const std::array<double, 4> radii{d, 1.5 * d, 2 * d, 150};
  for (std::size_t i = 0; i < radii.size(); ++i) {
    double shown = 0; // as Copy writes it
    if (r == radii[i] || (ReadNumber(Whole(radii[i]), shown) && r == shown)) {
      radiusItem_ = kRadiusItems[i];
      return true;
    }
  }
  error = "radius " + std::string(radiusText) + " of a " + Whole(d) +
          " mm elbow is none of its radii: " + Whole(radii[0]) + " (1 Dia), " +
          FormatGeneral(radii[1]) + " (1.5 Dia), " + Whole(radii[2]) + " (2 Dia) or 150";
  return false;
}

bool TBillItemBuilder::Build(std::span<const std::string> numbers, TItemLine &item, long &quantity,
                             std::string &error) {
  const TBillItemForm &form = *form_;
  const std::span<const TBillSlotSpec> slots = form.Numbers();
  if (numbers.size() != slots.size()) {
    const std::string key(DuctTypes[static_cast<std::size_t>(form.Type)].Key);
    error = std::to_string(numbers.size()) + (numbers.size() == 1 ? " number" : " numbers") +
            " where " + key + " takes " + std::to_string(slots.size()) + " (" +
            std::string(BillNumbersHint(form.Type)) + ")";
    // An item whose lines carry no number off is counted in its options; a
    // number off typed at the end of the line is the usual slip.
    if (!form.HasQuantity)
      error += "; its number off goes in its options: " + key + " (NumberOff=" +
               (numbers.size() > slots.size() ? numbers.back() : std::string("N")) + ")";
    return false;
  }
  item = options_;
  quantity = numberOff_;
  for (std::size_t i = 0; i < slots.size(); ++i) {
    const std::string &text = numbers[i];
    switch (slots[i].Kind) {
    case TBillSlot::Row:
      Add(item, slots[i].Prop, text);
      break;
    case TBillSlot::Quantity:
      if (!ReadNumberOff(text, quantity)) {
        error = "number off '" + text + "' is not a whole number from 1 to " +
                std::to_string(kMaxNumberOff);
        return false;
      }
      break;
    case TBillSlot::SameAs: {
      double a = 0;
      double b = 0;
      const std::string &first = numbers[static_cast<std::size_t>(slots[i].Prop)]; // a slot
      if (!ReadNumber(text, a) || !ReadNumber(first, b) || a != b) {
        error = "the two heights " + first + " and " + text + " differ";
        return false;
      }
      break;
    }
    case TBillSlot::Angle90: {
      double a = 0;
      if (!ReadNumber(text, a) || a != 90) {
        error = "a T-piece's angle is always 90, not " + text;
        return false;
      }
      break;
    }
    case TBillSlot::Radius:
      if (!Radius(numbers[0], text, error))
        return false;
      Add(item, slots[i].Prop, radiusItem_);
      break;
    }
  }
  return true;
}

} // namespace korvane
