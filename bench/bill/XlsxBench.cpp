// The generated job of 100,000 bill lines, in a hundred sections, priced
// and exported as an XLSX workbook as korvane-price --bill --xlsx does it:
// every line solved with the texts the workbook names, written as a row,
// the workbook zipped and read back into memory. Reports the time of the
// whole job, the workbook's size and the process's peak memory.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdint>
#include <string>

#include "bench/bill/GeneratedBill.h"
#include "bill/job/BillReader.h"
#include "bill/job/JobPricer.h"
#include "bill/job/JobXlsxWriter.h"

namespace korvane {
namespace {

void BM_ExportXlsx100k(benchmark::State &state) {
  const std::string bill = MakeBill(kLines, 1000);
  TPricerSetup setup;
  setup.ProgramDir = KORVANE_STAGE_DIR "/Korvane/";
  std::size_t bytes = 0;
  for (auto _ : state) {
    std::string book;
    TJobXlsxWriter writer(book, "2026-03-01");
    TJobPricer job(setup, "generated.dct", "", {&writer});
    TBillReader reader(job, TBillOptions{});
    reader.Feed(bill);
    reader.Finish();
    if (!job.Finish() || !job.Totals().AllPriced() || book.empty()) {
      state.SkipWithError("the generated bill did not export");
      return;
    }
    bytes = book.size();
    benchmark::DoNotOptimize(book.data());
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kLines));
  state.counters["xlsx_MiB"] = static_cast<double>(bytes) / (1 << 20);
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_rss_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024;
}
BENCHMARK(BM_ExportXlsx100k)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace
} // namespace korvane
