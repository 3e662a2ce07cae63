// How long a cost file load and save take: the Solve button reloads the cost
// file before every solve, so a load sits in the path of each click.
#include <benchmark/benchmark.h>

#include "costs/CostFile.h"
#include "costs/FittingsFiles.h"
#include "tests/support/TempFolder.h"

namespace {

using namespace korvane;
using Folder = test::TempFolder;

void PerOperation(benchmark::State &state) {
  state.counters["ops/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_LoadCostFile(benchmark::State &state) {
  Folder folder;
  const std::string name = folder.File("Default.cst");
  TRecordingSink sink;
  TCostRec rec = DefaultCosts();
  if (!SaveCostFile(name, rec, sink))
    state.SkipWithError("cannot write the cost file");
  for (auto _ : state) {
    benchmark::DoNotOptimize(LoadCostFile(name, rec, sink));
    benchmark::ClobberMemory();
  }
  PerOperation(state);
}
BENCHMARK(BM_LoadCostFile)->UseRealTime();

void BM_SaveCostFile(benchmark::State &state) {
  Folder folder;
  const std::string name = folder.File("Default.cst");
  TRecordingSink sink;
  TCostRec rec = DefaultCosts();
  for (auto _ : state)
    benchmark::DoNotOptimize(SaveCostFile(name, rec, sink));
  PerOperation(state);
}
BENCHMARK(BM_SaveCostFile)->UseRealTime(); // includes the flush to disk

void BM_ReadFittingsIni(benchmark::State &state) {
  Folder folder;
  TRecordingSink sink;
  TSpiralPriceTable table;
  for (std::size_t c = 0; c < kFittingCols; ++c)
    for (std::size_t r = 0; r < kFittingRows; ++r)
      table.cols[c][r] = 10.0 * static_cast<double>(c + r) + 0.5;
  if (!WriteFittingsIni(table, folder.Dir(), sink, {}))
    state.SkipWithError("cannot write Fittings.ini");
  for (auto _ : state)
    benchmark::DoNotOptimize(ReadFittingsIni(table, folder.Dir(), sink, {}));
  PerOperation(state);
}
BENCHMARK(BM_ReadFittingsIni)->UseRealTime();

void BM_FindFittingRow(benchmark::State &state) {
  TSpiralPriceTable table;
  table.cols[fcDia] = kBuiltInDiameters;
  double diameter = 0;
  for (auto _ : state) {
    bool outOfRange = false;
    diameter = diameter >= 2100 ? 0 : diameter + 37;
    benchmark::DoNotOptimize(FindFittingRow(table, diameter, outOfRange));
  }
  PerOperation(state);
}
BENCHMARK(BM_FindFittingRow);

} // namespace
