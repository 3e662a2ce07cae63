// How long the report texts of one solve take to build: a solve writes about
// ten lines, each with one to four conversions.
#include <benchmark/benchmark.h>

#include "base/Format.h"
#include "base/NumberText.h"

namespace korvane {
namespace {

const TCurrencyFormat kRand{"R", false, false, 2};

// Values as a solve leaves them: full binary fractions, not round numbers.
const double kPrice = 1234.5678901234567;
const double kArea = 5.2799999999999994;
const double kWeight = 31.678000000000001;

void BM_FormatDimensionLine(benchmark::State &state) {
  const Variant args[] = {600.0, 500.0, 2.4};
  std::string out;
  for (auto _ : state) {
    out.clear();
    FormatTo(out, "%0.0fmm x %0.0fmm  %0.3fm", args);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetLabel("one report line, 3 conversions");
}
BENCHMARK(BM_FormatDimensionLine);

void BM_FormatStatusLine(benchmark::State &state) {
  const Variant args[] = {kPrice, 0.6, kArea, kWeight};
  std::string out;
  for (auto _ : state) {
    out.clear();
    FormatTo(out, "%m  [%0.1fmm  %0.1nm²  %0.1nkg]", args, kRand);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetLabel("status line, 4 conversions");
}
BENCHMARK(BM_FormatStatusLine);

void BM_FormatReturningString(benchmark::State &state) {
  for (auto _ : state) {
    std::string s = Format("Area %0.2n m²", {kArea});
    benchmark::DoNotOptimize(s.data());
  }
  state.SetLabel("one conversion, fresh string");
}
BENCHMARK(BM_FormatReturningString);

void BM_FormatFixed(benchmark::State &state) {
  for (auto _ : state) {
    std::string s = FormatFixed(kPrice, 2, true);
    benchmark::DoNotOptimize(s.data());
  }
  state.SetLabel("1,234.57");
}
BENCHMARK(BM_FormatFixed);

void BM_FormatGeneral(benchmark::State &state) {
  for (auto _ : state) {
    std::string s = FormatGeneral(kWeight);
    benchmark::DoNotOptimize(s.data());
  }
  state.SetLabel("number written to a text file");
}
BENCHMARK(BM_FormatGeneral);

void BM_ReadNumber(benchmark::State &state) {
  double d = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ReadNumber(" 1234.5678e-2 ", d));
  }
  state.SetLabel("number read from a text file");
}
BENCHMARK(BM_ReadNumber);

} // namespace
} // namespace korvane
