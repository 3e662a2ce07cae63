// A generated job of 100,000 bill lines over all fifteen item types, priced
// end to end as korvane-price --bill does it: read in blocks, every line
// solved, totals kept, the text written (to a buffer emptied as it fills, as
// the program writes to its output). Reports the lines per second and the
// time of the whole job.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "bench/bill/GeneratedBill.h"
#include "bill/job/BillReader.h"
#include "bill/job/JobPricer.h"
#include "bill/job/JobTextWriter.h"

namespace korvane {
namespace {

void BM_PriceBill100k(benchmark::State &state) {
  const std::string bill = MakeBill(kLines);
  TPricerSetup setup;
  setup.ProgramDir = KORVANE_STAGE_DIR "/Korvane/";
  std::size_t priced = 0;
  for (auto _ : state) {
    std::string out;
    TJobTextWriter writer(out);
    TJobPricer job(setup, "generated.dct", "", {&writer});
    TBillReader reader(job, TBillOptions{});
    constexpr std::size_t kBlock = 64u << 10;
    for (std::size_t at = 0; at < bill.size(); at += kBlock) {
      reader.Feed(std::string_view(bill).substr(at, kBlock));
      if (out.size() >= (1u << 20))
        out.clear();
    }
    reader.Finish();
    if (!job.Finish() || !job.Totals().AllPriced()) {
      state.SkipWithError("the generated bill did not price");
      return;
    }
    priced = job.Totals().Priced;
    benchmark::DoNotOptimize(out.data());
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * priced));
  state.counters["lines"] = static_cast<double>(priced);
}
BENCHMARK(BM_PriceBill100k)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace
} // namespace korvane
