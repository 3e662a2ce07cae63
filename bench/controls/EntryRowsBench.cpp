// Reading every row of the Dimensions grid is part of each solve; this
// measures one full read of the longest rectangular item (the taper).
#include <benchmark/benchmark.h>

#include "base/MessageSink.h"
#include "controls/EntryRows.h"
#include "controls/RowText.h"

namespace korvane {
namespace {

const std::vector<std::string> kTaperRows = {
    "Property; Value; Units",
    "Width; %0.0f; mm; NPE; 100; 2400",
    "Height; %0.0f; mm; NPE; 100; 2400",
    "Width; %0.0f; mm; NPE; 100; 2400",
    "Height; %0.0f; mm; NPE; 100; 2400",
    "Length; %0.3f; m; Spin; 0.3; 2.4; 0.3",
    "Gauge; enum; mm; Auto; 0.6; 0.8; 1.0; 1.2; 1.6; 2.0; 2.4; 3.0",
    "Flange; enum;; Auto; Slip and Drive; 20mm Mezz; 35mm Mezz; 20/3mm Angle; 30/3mm Angle; "
    "40/3mm Angle; 40/5mm Angle; 50/5mm Angle",
    "Insulation; enum;; None; 25mm Internal; 50mm Internal; 25mm DuctWrap; 50mm DuctWrap"};

void BM_ReadAllRows(benchmark::State &state) {
  TCellStore cells;
  TRecordingSink sink;
  TEntryRows rows(cells, sink);
  rows.SetLines(kTaperRows);
  const Variant start[] = {750.0, 500.0, 600.0, 500.0, 1.2, 0, 7, 4};
  for (int r = 1; r < cells.RowCount(); ++r)
    rows.SetData(1, r, start[r - 1]);
  for (auto _ : state)
    for (int r = 1; r < cells.RowCount(); ++r)
      benchmark::DoNotOptimize(rows.GetData(1, r));
  state.SetLabel("one read = all 8 value rows of a taper");
  state.SetItemsProcessed(state.iterations() * (cells.RowCount() - 1));
}
BENCHMARK(BM_ReadAllRows);

void BM_AssignLines(benchmark::State &state) {
  TCellStore cells;
  TRecordingSink sink;
  TEntryRows rows(cells, sink);
  for (auto _ : state)
    rows.SetLines(kTaperRows);
  state.SetLabel("one switch of item type (rows rebuilt)");
}
BENCHMARK(BM_AssignLines);

} // namespace
} // namespace korvane
