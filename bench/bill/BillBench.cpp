// A generated job of 100,000 bill lines over all fifteen item types, priced
// end to end as korvane-price --bill does it: read in blocks, every line
// solved, totals kept, the text written (to a buffer emptied as it fills, as
// the program writes to its output). Reports the lines per second and the
// time of the whole job.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <iterator>
#include <random>
#include <string>

#include "bill/job/BillReader.h"
#include "bill/job/JobPricer.h"
#include "bill/job/JobTextWriter.h"

namespace korvane {
namespace {

constexpr std::size_t kLines = 100000;

struct TGenerated {
  const char *keyword;
  const char *line; // numbers as positional arguments: 1 width, 2 height,
                    // 3 diameter, 4 number off, 5 angle, 6 length
};

// Ten number lines per entry, the types in turn, as bench/bill/bill_lines.awk.
constexpr TGenerated kTypes[] = {
    {"StraightRect (NumberOff=3)", "%1$d  %2$d  %6$.3f"},
    {"RadiusBend (Insulation=External, InsThickness=25mm, Gauge=0.8)", "%1$d  %2$d  %5$d  %4$d"},
    {"VanedSquareBend", "%1$d  %2$d  %4$d"},
    {"SquareBendReducing", "%1$d  %2$d  %3$d  %2$d  %4$d"},
    {"SquareToRound", "%1$d  %2$d  %3$d  %4$d  1.200"},
    {"Taper", "%1$d  %2$d  %3$d  %2$d  %4$d  0.900"},
    {"SquareStopEnd", "%1$d  %2$d  %4$d"},
    {"YPiece", "%1$d  %3$d  %2$d  %4$d"},
    {"Spiral (NumberOff=5)", "%3$d  %6$.3f"},
    {"PlateSpigot", "%3$d  %4$d"},
    {"Elbow", "%3$d  %3$d  %5$d  %4$d"},
    {"Reducer", "%3$d  0.600  %4$d"},
    {"TPiece", "%3$d  90  %4$d"},
    {"Nipple", "%3$d  %4$d"},
    {"RoundStopEnd", "%3$d  %4$d"},
};

std::string MakeBill(std::size_t count) {
  std::mt19937 rng(7);
  const auto next = [&rng](int lo, int hi) { return std::uniform_int_distribution(lo, hi)(rng); };
  std::string bill = "; generated job\nGlobalSettings (Erection=Include, Brackets=Include)\n";
  char line[160];
  for (std::size_t i = 0; i < count; ++i) {
    const TGenerated &type = kTypes[(i / 10) % std::size(kTypes)];
    if (i % 10 == 0) {
      bill += type.keyword;
      bill += '\n';
    }
    bill += "\t-\t";
    std::snprintf(line, sizeof line, type.line, next(100, 2400), next(100, 2400), next(100, 2400),
                  next(1, 20), next(1, 180), next(100, 6000) / 1000.0);
    bill += line;
    bill += '\n';
  }
  return bill;
}

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
