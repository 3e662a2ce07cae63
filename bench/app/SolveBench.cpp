// How long one solve takes, report texts included, in ns per solve. Every
// committed value on the Dimensions page solves again, and the command-line
// batch solves once per input line.
#include <benchmark/benchmark.h>

#include "app/Catalogue.h"
#include "app/ItemRowSet.h"
#include "app/SolveItem.h"
#include "base/MessageSink.h"
#include "costs/CostRec.h"
#include "costs/SpiralPriceTable.h"

namespace korvane {
namespace {

struct BenchWorld {
  TRecordingSink sink;
  TCatalogue catalogue;
  TCostRec costs = DefaultCosts();
  TSpiralPriceTable prices;
  TEngine engine{{}, {}, &costs, &prices};
  std::string costFile = "../Data Files/Default.cst";
  TCurrencyFormat currency{"R", false, false, 2};
  TItemRowSet rowSet{(BuildCatalogue(catalogue), catalogue), sink};
  TSolveReport report;

  BenchWorld() {
    prices.cols[fcDia] = kBuiltInDiameters;
    for (std::size_t c = 1; c < kFittingCols; ++c)
      prices.cols[c].fill(100.0 * static_cast<double>(c));
  }
};

void BM_SolveItem(benchmark::State &state) {
  BenchWorld w;
  const int type = static_cast<int>(state.range(0));
  const TEntryRows &rows = w.rowSet.Rows(type);
  const TSolveContext context{w.engine, w.costFile, w.currency};
  for (auto _ : state) {
    benchmark::DoNotOptimize(SolveItem(context, type, rows, w.report));
    benchmark::DoNotOptimize(w.report.Price);
  }
  if (w.report.Failed)
    state.SkipWithError("the item did not solve");
  state.SetLabel(std::string(DuctTypes[static_cast<std::size_t>(type)].Key));
  state.counters["ns/solve"] =
      benchmark::Counter(static_cast<double>(state.iterations()),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_SolveItem)->DenseRange(0, kTypeCount - 1);

} // namespace
} // namespace korvane
