#pragma once
// Turns one number line of a bill entry into the item the command-line
// pricer takes: each number into its property row as text (so a value goes
// through the row's own range check, exactly as KEY=VALUE does), the option
// rows from the entry's options, and the number off. Every row of the type is
// given, so no start value and no earlier item ever leaks into a price.
#include <array>
#include <span>
#include <string>
#include <string_view>

#include "app/Catalogue.h"
#include "app/ItemLine.h"
#include "bill/job/BillItemForms.h"
#include "bill/job/BillOptions.h"

namespace korvane {

class TBillItemBuilder {
public:
  // Starts an entry of item keyword `code` with `own` options of its own
  // over `defaults` (GlobalSettings over the command line). False with
  // `error` when the options do not fit the item; its lines are then not to
  // be priced.
  bool Begin(int code, const TBillOptions &own, const TBillOptions &defaults, std::string &error);

  // The item of one number line (the numbers as written, without the
  // leading "-" and the X, TO, DEG and DIA words). The item's values point
  // into `numbers` and into this builder. False with `error` when the line
  // does not match the item's numbers.
  bool Build(std::span<const std::string> numbers, TItemLine &item, long &quantity,
             std::string &error);

  const TBillItemForm &Form() const { return *form_; }
  bool Erection() const { return erection_; }
  bool Brackets() const { return brackets_; }

private:
  bool Radius(std::string_view diameterText, std::string_view radiusText, std::string &error);
  void Add(TItemLine &item, int prop, std::string_view text) const;

  const TBillItemForm *form_ = &BillItemForm(-1);
  TItemLine options_; // the option rows, the same for every line
  long numberOff_ = 1;
  bool erection_ = false;
  bool brackets_ = false;
  std::string_view radiusItem_;
};

} // namespace korvane
