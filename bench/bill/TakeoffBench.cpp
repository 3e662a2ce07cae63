// A take-off of 100,000 rows over all fifteen item types, as CSV and as
// XLSX, imported and priced end to end as korvane-price --takeoff does it:
// read, turned into the bill, every line solved, totals kept, the text
// written. Reports the time of the whole job and the process's peak memory.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>
#include <xlsxwriter.h>

#include <cstdlib>
#include <iterator>
#include <random>
#include <string>

#include "bill/job/JobTextWriter.h"
#include "bill/takeoff/TakeoffCsv.h"
#include "bill/takeoff/TakeoffFile.h"
#include "bill/takeoff/TakeoffJob.h"

namespace korvane {
namespace {

constexpr std::size_t kRows = 100000;

constexpr std::string_view kHeader =
    "Section,Item,Width (mm),Height (mm),Width2,Height2,Diameter,Radius,Angle,Length (m),Qty,"
    "Gauge,Insulation,Comment";

// The row of each type: %1 width, %2 height, %3 diameter, %4 number off,
// %5 angle, %6 length.
constexpr const char *kTypes[] = {
    "StraightRect,%1$d,%2$d,,,,,,%6$.3f,%4$d,,,",
    "RadiusBend,%1$d,%2$d,,,,,%5$d,,%4$d,0.8,25mm DuctWrap,",
    "VanedSquareBend,%1$d,%2$d,,,,,,,%4$d,,,",
    "SquareBendReducing,%1$d,%2$d,%2$d,,,,,,%4$d,,,",
    "SquareToRound,%1$d,%2$d,,,%3$d,,,1.2,%4$d,,,",
    "Taper,%1$d,%2$d,%1$d,%2$d,,,,0.9,%4$d,,,",
    "SquareStopEnd,%1$d,%2$d,,,,,,,%4$d,,,",
    "Y-Piece,%1$d,%2$d,%1$d,,,,,,%4$d,,,",
    "Spiral,,,,,%3$d,,,%6$.3f,%4$d,,,",
    "PlateSpigot,,,,,%3$d,,,,%4$d,,,",
    "Elbow,,,,,%3$d,1.5 Dia,%5$d,,%4$d,,,",
    "Reducer,,,,,%3$d,,,0.6,%4$d,,,",
    "T-Piece,,,,,%3$d,,,,%4$d,,,",
    "Nipple,,,,,%3$d,,,,%4$d,,,",
    "RoundStopEnd,,,,,%3$d,,,,%4$d,,,",
};

std::string MakeCsv() {
  std::mt19937 rng(7);
  const auto next = [&rng](int lo, int hi) { return std::uniform_int_distribution(lo, hi)(rng); };
  std::string csv = "Generated take-off\n" + std::string(kHeader) + "\n";
  char line[200];
  for (std::size_t i = 0; i < kRows; ++i) {
    csv += "Floor " + std::to_string(i / 5000) + ",";
    std::snprintf(line, sizeof line, kTypes[(i / 10) % std::size(kTypes)], next(100, 2400),
                  next(100, 2400), next(100, 2400), next(1, 20), next(1, 180),
                  next(100, 6000) / 1000.0);
    csv += line;
    csv += i % 7 == 0 ? "row note\n" : "\n";
  }
  return csv;
}

// The CSV as an XLSX, numbers as numbers, strings shared.
std::string MakeXlsx(const std::string &csv) {
  std::string path = "/tmp/korvane-takeoff-bench-XXXXXX";
  const int fd = ::mkstemp(path.data());
  ::close(fd);
  lxw_workbook *book = workbook_new(path.c_str());
  lxw_worksheet *sheet = workbook_add_worksheet(book, "Take-off");
  std::string store;
  std::vector<TTakeoffCell> cells;
  lxw_row_t row = 0;
  for (std::size_t at = 0; at < csv.size(); ++row) {
    const std::size_t end = csv.find('\n', at);
    SplitCsvRecord(std::string_view(csv).substr(at, end - at), ',', store, cells);
    at = end + 1;
    for (const TTakeoffCell &cell : cells) {
      const std::string text(cell.Text);
      char *stop = nullptr;
      const double x = std::strtod(text.c_str(), &stop);
      if (*stop == '\0')
        worksheet_write_number(sheet, row, static_cast<lxw_col_t>(cell.Col), x, nullptr);
      else
        worksheet_write_string(sheet, row, static_cast<lxw_col_t>(cell.Col), text.c_str(), nullptr);
    }
  }
  workbook_close(book);
  return path;
}

double PeakMiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void PriceTakeoff(benchmark::State &state, bool xlsx) {
  const std::string csv = MakeCsv();
  const std::string path = xlsx ? MakeXlsx(csv) : std::string();
  TPricerSetup setup;
  setup.ProgramDir = KORVANE_STAGE_DIR "/Korvane/";
  std::size_t priced = 0;
  for (auto _ : state) {
    TTakeoffBill bill("generated");
    std::string error;
    const bool read = xlsx ? ReadTakeoffFile(path, {}, bill, error)
                           : ReadTakeoffBytes(csv, "generated.csv", {}, bill, error);
    if (!read || !bill.Notes().empty()) {
      state.SkipWithError(("the take-off did not read: " + error).c_str());
      return;
    }
    std::string out;
    TJobTextWriter writer(out);
    TBillJob job(setup, "generated", "", {&writer});
    FeedTakeoffBill(job, bill);
    if (!job.Finish() || !job.Pricer().Totals().AllPriced()) {
      state.SkipWithError("the take-off did not price");
      return;
    }
    priced = job.Pricer().Totals().Priced;
    benchmark::DoNotOptimize(out.data());
  }
  if (xlsx)
    std::remove(path.c_str());
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * priced));
  state.counters["rows"] = static_cast<double>(priced);
  state.counters["peak_MiB"] = PeakMiB();
}

void BM_TakeoffCsv100k(benchmark::State &state) {
  PriceTakeoff(state, false);
}
void BM_TakeoffXlsx100k(benchmark::State &state) {
  PriceTakeoff(state, true);
}
BENCHMARK(BM_TakeoffCsv100k)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_TakeoffXlsx100k)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace
} // namespace korvane
