// A generated IFC4 model of 100,000 duct elements (about 100 MB) read into
// the bill it becomes, and that bill priced, as korvane-price --ifc does it:
// the model read from its file in blocks, its ductwork measured, the bill
// written and priced with the text output. Reports the model's size, the
// bill's lines and the peak memory of reading and pricing it.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "base/FileIO.h"
#include "bench/bill/GeneratedModel.h"
#include "bill/job/BillJob.h"
#include "bill/job/JobTextWriter.h"
#include "bill/model/ModelFile.h"

namespace korvane {
namespace {

constexpr std::size_t kElements = 100000;

const std::string &ModelPath() {
  static const std::string path = [] {
    const std::string p =
        (std::filesystem::temp_directory_path() / "korvane-bench-100k.ifc").string();
    AtomicWriteFile(p, bench::MakeModel(kElements));
    return p;
  }();
  return path;
}

// The peak resident memory since ResetPeak, so that making the model is
// not counted.
void ResetPeak() {
  if (std::FILE *f = std::fopen("/proc/self/clear_refs", "w")) {
    std::fputs("5", f);
    std::fclose(f);
  }
}

double PeakMiB() {
  std::FILE *f = std::fopen("/proc/self/status", "r");
  if (f == nullptr)
    return 0;
  char line[256];
  double kib = 0;
  while (std::fgets(line, sizeof line, f))
    if (std::sscanf(line, "VmHWM: %lf kB", &kib) == 1)
      break;
  std::fclose(f);
  return kib / 1024.0;
}

void Counters(benchmark::State &state, const TModelBill &bill) {
  state.counters["model_MB"] = static_cast<double>(std::filesystem::file_size(ModelPath())) / 1e6;
  state.counters["bill_lines"] = static_cast<double>(bill.Lines);
  state.counters["not_priced"] = static_cast<double>(bill.Notes.size());
  state.counters["peak_MiB"] = PeakMiB();
}

bool Read(benchmark::State &state, TModelBill &bill) {
  std::string error;
  if (ReadModelFile(ModelPath(), bill, error))
    return true;
  state.SkipWithError(error.c_str());
  return false;
}

void BM_ModelToBill100k(benchmark::State &state) {
  ModelPath();
  ResetPeak();
  TModelBill bill;
  for (auto _ : state) {
    if (!Read(state, bill))
      return;
    benchmark::DoNotOptimize(bill.Text.data());
  }
  Counters(state, bill);
}
BENCHMARK(BM_ModelToBill100k)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ModelToPricedBill100k(benchmark::State &state) {
  TPricerSetup setup;
  setup.ProgramDir = KORVANE_STAGE_DIR "/Korvane/";
  ModelPath();
  ResetPeak();
  TModelBill bill;
  for (auto _ : state) {
    if (!Read(state, bill))
      return;
    std::string out;
    TJobTextWriter writer(out);
    TBillJob job(setup, "generated.ifc", "", {&writer});
    FeedModelBill(job, bill);
    if (!job.Finish()) {
      state.SkipWithError("the model's bill did not price");
      return;
    }
    state.counters["priced"] = static_cast<double>(job.Pricer().Totals().Priced);
    benchmark::DoNotOptimize(out.data());
  }
  Counters(state, bill);
}
BENCHMARK(BM_ModelToPricedBill100k)->Unit(benchmark::kMillisecond)->Iterations(3);

// Every one of 100,000 ducts shares a body and a type of 100,000 entries
// each; read in about the time of a model of that size.
void BM_SharedBodyModel100k(benchmark::State &state) {
  const std::string model = bench::MakeSharedModel(100000, 100000);
  for (auto _ : state) {
    TModelBill bill;
    std::string error;
    if (!ReadModelText(model, "shared.ifc", bill, error)) {
      state.SkipWithError(error.c_str());
      return;
    }
    state.counters["not_priced"] = static_cast<double>(bill.Notes.size());
  }
  state.counters["model_MB"] = static_cast<double>(model.size()) / 1e6;
}
BENCHMARK(BM_SharedBodyModel100k)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
} // namespace korvane
