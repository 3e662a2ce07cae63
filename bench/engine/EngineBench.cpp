// How long one costing operation takes, in ns per priced item. Every change in
// the entry grid prices the item again, so these sit on the typing path.
#include "costs/CostRec.h"
#include "costs/SpiralPriceTable.h"
#include "engine/RectCosting.h"
#include "engine/RoundCosting.h"

#include <benchmark/benchmark.h>

namespace korvane {
namespace {

struct BenchWorld {
  TCostRec costs = DefaultCosts();
  TSpiralPriceTable prices;
  TEngine engine;

  BenchWorld() {
    prices.cols[fcDia] = kBuiltInDiameters;
    for (std::size_t c = 1; c < kFittingCols; ++c)
      prices.cols[c].fill(100.0 * static_cast<double>(c));
    engine.costs = &costs;
    engine.prices = &prices;
    // Every line priced: wrapped, erected and bracketed.
    engine.settings.InsulationKind = ikExternal;
    engine.settings.ErectionIncluded = true;
    engine.settings.BracketsIncluded = true;
  }
};

// Runs `price` once per iteration on inputs the optimiser cannot see through.
template <typename Price> void PriceItems(benchmark::State &state, Price price) {
  BenchWorld w;
  TItemQuantities q;
  double width = 1200;
  for (auto _ : state) {
    benchmark::DoNotOptimize(width);
    benchmark::DoNotOptimize(price(w.engine, width, q));
    benchmark::DoNotOptimize(q);
  }
  state.counters["ns/item"] =
      benchmark::Counter(static_cast<double>(state.iterations()),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_CalcStraightRect(benchmark::State &state) {
  PriceItems(state, [](TEngine &e, double w, TItemQuantities &q) {
    return CalcStraightRect(e, w, 600, 16.8, q);
  });
}
void BM_CalcRadiusBend(benchmark::State &state) {
  PriceItems(state, [](TEngine &e, double w, TItemQuantities &q) {
    return CalcRadiusBend(e, w, 500, 90, true, q);
  });
}
void BM_CalcSquareBend(benchmark::State &state) {
  PriceItems(state, [](TEngine &e, double w, TItemQuantities &q) {
    return CalcSquareBend(e, w, 500, true, q);
  });
}
void BM_CalcSquareToRound(benchmark::State &state) {
  PriceItems(state, [](TEngine &e, double w, TItemQuantities &q) {
    return CalcSquareToRound(e, w, 500, 600, 1.2, q);
  });
}
void BM_CalcTaper(benchmark::State &state) {
  PriceItems(state, [](TEngine &e, double w, TItemQuantities &q) {
    return CalcTaper(e, w, 500, 600, 500, 1.2, q);
  });
}
void BM_CalcSquareStopEnd(benchmark::State &state) {
  PriceItems(state, [](TEngine &e, double w, TItemQuantities &q) {
    return CalcSquareStopEnd(e, w, 500, q);
  });
}
void BM_CalcSpiral(benchmark::State &state) {
  PriceItems(state,
             [](TEngine &e, double w, TItemQuantities &q) { return CalcSpiral(e, w, 3.0, q); });
}
// The slowest fitting: a 2400 mm 135-degree elbow scans the whole table and
// is scaled against a reference elbow.
void BM_CalcRoundFitting(benchmark::State &state) {
  PriceItems(state, [](TEngine &e, double w, TItemQuantities &q) {
    return CalcRoundFitting(e, rfElbow, 135, w, 2 * w, q);
  });
}

BENCHMARK(BM_CalcStraightRect);
BENCHMARK(BM_CalcRadiusBend);
BENCHMARK(BM_CalcSquareBend);
BENCHMARK(BM_CalcSquareToRound);
BENCHMARK(BM_CalcTaper);
BENCHMARK(BM_CalcSquareStopEnd);
BENCHMARK(BM_CalcSpiral);
BENCHMARK(BM_CalcRoundFitting);

} // namespace
} // namespace korvane
