#pragma once
// What the take-off fuzz targets check of the bill a take-off became: the
// bill reader reads every line of it without an error (a row that cannot be
// an item is a comment), and finds exactly the items the take-off wrote.
#include "bill/job/BillReader.h"
#include "bill/takeoff/TakeoffBill.h"
#include "fuzz/FuzzSupport.h"

namespace korvane::fuzz {

inline void CheckTakeoffBill(const TTakeoffBill &bill) {
  struct TCount : TBillHandler {
    std::size_t items = 0, errors = 0;
    void CostsLine(int, std::string_view) override { ++errors; }
    void Item(const TBillItem &) override { ++items; }
    void NotPriced(int, int, std::string_view) override {}
    void Error(int, std::string_view) override { ++errors; }
  } count;
  TBillReader reader(count, TBillOptions{});
  reader.Feed(bill.Text());
  reader.Finish();
  FUZZ_CHECK(count.errors == 0);
  FUZZ_CHECK(count.items == bill.Items());
  for (const TTakeoffNote &note : bill.Notes())
    FUZZ_CHECK(!note.Bad || (note.BillLine > 0 && note.Row > 0));
}

} // namespace korvane::fuzz
