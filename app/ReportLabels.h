#pragma once
// The words the item report, the option list and the status line are made of.
#include <array>
#include <string_view>

namespace korvane {

// The gauges the Gauge row can force, in item order after "Auto".
inline constexpr std::array<double, 8> kForcedGauges = {0.6, 0.8, 1.0, 1.2, 1.6, 2.0, 2.4, 3.0};

// Entry 0 is the automatic gauge, then one word per forced gauge above.
inline constexpr std::array<std::string_view, 9> GaugeLabels = {
    "AutoGauge",    "Forced 0.6mm", "Forced 0.8mm", "Forced 1.0mm", "Forced 1.2mm",
    "Forced 1.6mm", "Forced 2.0mm", "Forced 2.4mm", "Forced 3.0mm"};

// Indexed by TFlangeType.
inline constexpr std::array<std::string_view, 9> FlangeLabels = {
    "AutoFlange",  "S&Drive",     "20mmMezz",    "35mmMezz",   "20x3mmAngle",
    "30x3mmAngle", "40x3mmAngle", "40x5mmAngle", "50x5mmAngle"};

// The round Insulation row's words are entries 0, 3 and 4 of these.
inline constexpr std::array<std::string_view, 5> RectInsulLabels = {
    "NoIns", "25mm Internal", "50mm Internal", "25mm DuctWrap", "50mm DuctWrap"};

// Indexed by VanesFlag, ErectionIncluded and BracketsIncluded.
inline constexpr std::array<std::string_view, 2> VaneLabels = {"un-vaned", "vaned"};
inline constexpr std::array<std::string_view, 2> ErectionLabels = {"", "Erection"};
inline constexpr std::array<std::string_view, 2> BracketsLabels = {"", "Brackets"};

inline constexpr std::string_view kBadData = "Bad data...";
inline constexpr std::string_view kRatesNotCalculated = "Rates not calculated...";
inline constexpr std::string_view kReportRule = "-------------------------------------------------";

} // namespace korvane
