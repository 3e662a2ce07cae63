// Throughput of korvane-price --batch, in items per second: a million
// generated lines of all fifteen types, priced from a file to /dev/null with
// the staged program's data, by one thread and by two; and the time per line
// of each stage (split, enter and solve, write), to see where it goes.
#include <fcntl.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/ItemLine.h"
#include "app/Pricer.h"
#include "base/OutputBuffer.h"
#include "pricer/PriceBatch.h"
#include "pricer/PriceWriters.h"

namespace korvane {
namespace {

constexpr std::size_t kLines = 1000000;

// The same mix as batch_lines.awk: every type in turn, random sizes.
std::string MakeLines(std::size_t count) {
  std::uint64_t seed = 42;
  const auto next = [&seed](int lo, int hi) {
    seed = (seed * 1103515245 + 12345) % 2147483648;
    return lo + static_cast<int>(seed % static_cast<std::uint64_t>(hi - lo + 1));
  };
  const char *gauges[] = {"Auto", "0.6", "0.8", "1.0", "1.2", "1.6"};
  const char *yesNo[] = {"No", "Yes"};
  std::string text;
  char line[200];
  for (std::size_t i = 0; i < count; ++i) {
    const int w = next(100, 2400), h = next(100, 2400), d = next(100, 2400);
    const char *g = gauges[next(0, 5)];
    const char *v = yesNo[next(0, 1)];
    const double length = next(1, 990) / 10.0;
    const int angle = next(1, 180);
    switch (i % 15) {
    case 0:
      std::snprintf(line, sizeof line, "StraightRect Width=%d Height=%d Length=%.1f Gauge=%s\n", w,
                    h, length, g);
      break;
    case 1:
      std::snprintf(line, sizeof line, "RadiusBend Width=%d Height=%d Angle=%d Vanes=%s\n", w, h,
                    angle, v);
      break;
    case 2:
      std::snprintf(line, sizeof line,
                    "SquareBend Width=%d Height=%d Vanes=%s Insulation=\"25mm DuctWrap\"\n", w, h,
                    v);
      break;
    case 3:
      std::snprintf(line, sizeof line, "SquareBendReducing Width1=%d Width2=%d Height=%d\n", w, d,
                    h);
      break;
    case 4:
      std::snprintf(line, sizeof line, "SquareToRound Width=%d Height=%d Diameter=%d Length=1.2\n",
                    w, h, d);
      break;
    case 5:
      std::snprintf(line, sizeof line,
                    "Taper Width1=%d Height1=%d Width2=%d Height2=%d Length=0.9\n", w, h, d, h);
      break;
    case 6:
      std::snprintf(line, sizeof line, "SquareStopEnd Width=%d Height=%d Flange=\"35mm Mezz\"\n", w,
                    h);
      break;
    case 7:
      std::snprintf(line, sizeof line, "YPiece Width1=%d Width2=%d Height=%d Vanes=%s\n", w, d, h,
                    v);
      break;
    case 8:
      std::snprintf(line, sizeof line, "Spiral Diameter=%d Length=%.1f Reinforcing=%s\n", d, length,
                    v);
      break;
    case 9:
      std::snprintf(line, sizeof line, "RoundSpigot Diameter=%d Plate=%s\n", d, v);
      break;
    case 10:
      std::snprintf(line, sizeof line, "Elbow Diameter=%d Angle=%d Radius=150 Gauge=%s\n", d, angle,
                    g);
      break;
    case 11:
      std::snprintf(line, sizeof line, "Reducer Diameter=%d Length=0.6\n", d);
      break;
    case 12:
      std::snprintf(line, sizeof line, "TPiece Diameter=%d\n", d);
      break;
    case 13:
      std::snprintf(line, sizeof line, "Nipple Diameter=%d Insulation=\"50mm DuctWrap\"\n", d);
      break;
    default:
      std::snprintf(line, sizeof line, "RoundStopEnd Diameter=%d\n", d);
      break;
    }
    text += line;
  }
  return text;
}

// The generated lines in an unlinked temporary file, made once.
int InputFile() {
  static const int fd = [] {
    char name[] = "/tmp/korvane-batch-XXXXXX";
    const int f = ::mkstemp(name);
    ::unlink(name);
    const std::string text = MakeLines(kLines);
    if (f >= 0 && !WriteAll(f, text.data(), text.size()))
      return -1;
    return f;
  }();
  return fd;
}

void BM_Batch(benchmark::State &state, TBatchFormat format) {
  const auto threads = static_cast<std::size_t>(state.range(0));
  TPricerSetup setup;
  setup.ProgramDir = KORVANE_STAGE_DIR "/Korvane/";
  std::vector<std::unique_ptr<TPricer>> pricers;
  std::vector<TPricer *> workers;
  std::string error;
  for (std::size_t t = 0; t < threads; ++t) {
    pricers.push_back(std::make_unique<TPricer>());
    if (!pricers.back()->Open(setup, error)) {
      state.SkipWithError(error.c_str());
      return;
    }
    workers.push_back(pricers.back().get());
  }
  const int in = InputFile();
  const int sink = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
  if (in < 0 || sink < 0) {
    state.SkipWithError("cannot set up the input or the output");
    return;
  }
  for (auto _ : state) {
    ::lseek(in, 0, SEEK_SET);
    TOutputBuffer out(sink);
    if (RunBatch(workers, in, out, format, error) != 0)
      state.SkipWithError(("not every line priced: " + error).c_str());
  }
  ::close(sink);
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kLines));
}

// The stages of one batch line, each over the same 15,000 generated lines
// (a thousand of each type), in ns per line: splitting the line, entering
// its values and solving (figures and status text only, as for CSV, or
// every text, as for JSON), and writing the CSV row or the JSON object.
constexpr std::size_t kStageLines = 15000;

struct TStageWorld {
  TPricer pricer;
  std::vector<TItemLine> items;
  std::string text = MakeLines(kStageLines);
  bool ok = false;

  TStageWorld() {
    TPricerSetup setup;
    setup.ProgramDir = KORVANE_STAGE_DIR "/Korvane/";
    std::string error;
    ok = pricer.Open(setup, error);
    for (std::string_view rest = text; !rest.empty();) {
      const std::size_t end = rest.find('\n');
      TItemLine item;
      ok = ok && ParseItemLine(rest.substr(0, end), item, error) == TItemParse::Item;
      items.push_back(item);
      rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    }
  }
};

void PerLine(benchmark::State &state) {
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kStageLines));
  state.counters["ns/line"] =
      benchmark::Counter(static_cast<double>(state.iterations() * kStageLines),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_StageParse(benchmark::State &state) {
  TStageWorld w;
  for (auto _ : state) {
    std::string_view rest = w.text;
    TItemLine item;
    std::string error;
    while (!rest.empty()) {
      const std::size_t end = rest.find('\n');
      benchmark::DoNotOptimize(ParseItemLine(rest.substr(0, end), item, error));
      rest.remove_prefix(end + 1);
    }
  }
  PerLine(state);
}
BENCHMARK(BM_StageParse)->Unit(benchmark::kMillisecond);

void BM_StagePrice(benchmark::State &state) {
  TStageWorld w;
  const auto texts = state.range(0) == 0 ? TReportTexts::StatusOnly : TReportTexts::All;
  std::string error;
  for (auto _ : state)
    for (const TItemLine &item : w.items)
      benchmark::DoNotOptimize(w.pricer.Price(item, error, texts));
  if (!w.ok)
    state.SkipWithError("the lines did not parse or the data did not load");
  state.SetLabel(state.range(0) == 0 ? "status text only (CSV)" : "every text (JSON)");
  PerLine(state);
}
BENCHMARK(BM_StagePrice)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Solving and writing together; less BM_StagePrice, what the writer takes.
void BM_StagePriceAndWrite(benchmark::State &state) {
  TStageWorld w;
  const bool csv = state.range(0) == 0;
  std::string error;
  std::string out;
  for (auto _ : state) {
    out.clear();
    for (std::size_t i = 0; i < w.items.size(); ++i) {
      if (csv) {
        w.pricer.Price(w.items[i], error, TReportTexts::StatusOnly);
        AppendCsvRow(out, w.pricer, i + 1);
      } else {
        w.pricer.Price(w.items[i], error, TReportTexts::All);
        AppendJsonReport(out, w.pricer, i + 1);
      }
    }
    benchmark::DoNotOptimize(out.data());
  }
  if (!w.ok)
    state.SkipWithError("the lines did not parse or the data did not load");
  state.SetLabel(csv ? "and the CSV row" : "and the JSON object");
  PerLine(state);
}
BENCHMARK(BM_StagePriceAndWrite)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_BatchCsv(benchmark::State &state) {
  BM_Batch(state, TBatchFormat::Csv);
}
void BM_BatchJson(benchmark::State &state) {
  BM_Batch(state, TBatchFormat::Json);
}

BENCHMARK(BM_BatchCsv)->Arg(1)->Arg(2)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BatchJson)
    ->Arg(1)
    ->Arg(2)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
} // namespace korvane
