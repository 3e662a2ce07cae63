#pragma once
// A generated job of bill lines over all fifteen item types, the same on
// every run (a fixed seed), for the benchmarks that price whole bills.
#include <cstdio>
#include <iterator>
#include <random>
#include <string>

namespace korvane {

inline constexpr std::size_t kLines = 100000;

struct TGenerated {
  const char *keyword;
  const char *line; // numbers as positional arguments: 1 width, 2 height,
                    // 3 diameter, 4 number off, 5 angle, 6 length
};

// Ten number lines per entry, the types in turn, as bench/bill/bill_lines.awk.
inline constexpr TGenerated kTypes[] = {
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

// `sectionEvery` > 0 starts a "#" section before every that many lines.
inline std::string MakeBill(std::size_t count, std::size_t sectionEvery = 0) {
  std::mt19937 rng(7);
  const auto next = [&rng](int lo, int hi) { return std::uniform_int_distribution(lo, hi)(rng); };
  std::string bill = "; generated job\nGlobalSettings (Erection=Include, Brackets=Include)\n";
  char line[160];
  for (std::size_t i = 0; i < count; ++i) {
    const TGenerated &type = kTypes[(i / 10) % std::size(kTypes)];
    if (sectionEvery > 0 && i % sectionEvery == 0)
      bill += "# Section " + std::to_string(i / sectionEvery + 1) + "\n";
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

} // namespace korvane
