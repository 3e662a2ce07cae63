// A pricer used for item after item prices each as a fresh one would: the
// rows a previous item (or a refused one) changed are back at their start.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/ItemLine.h"
#include "app/Pricer.h"
#include "pricer/PriceWriters.h"

namespace korvane {
namespace {

TPricerSetup StagedSetup() {
  TPricerSetup setup;
  setup.ProgramDir = KORVANE_STAGE_DIR "/Korvane/";
  return setup;
}

// The JSON report of `line`, or its error, from `pricer`.
std::string Report(TPricer &pricer, std::string_view line) {
  TItemLine item;
  std::string error;
  if (ParseItemLine(line, item, error) != TItemParse::Item || !pricer.Price(item, error))
    return "error: " + error;
  std::string out;
  AppendJsonReport(out, pricer);
  return out;
}

TEST(Pricer, EachItemPricesAsOnAFreshPricer) {
  const std::vector<std::string_view> lines = {
      "StraightRect Width=800 Height=300 Gauge=1.2 Insulation=\"50mm DuctWrap\"",
      "StraightRect Length=1.5",
      "StraightRect Width=900 Height=5000", // refused after Width went in
      "StraightRect",
      "Elbow Diameter=500 Radius=150 Reinforcing=Yes",
      "Elbow Angle=30",
      "Taper Width1=400 Height1=400 Width2=300 Height2=200 Length=0.9 Flange=\"Slip and Drive\"",
      "Taper Gauge=0.8",
      "StraightRect Height=700",
  };
  TPricer used;
  std::string error;
  ASSERT_TRUE(used.Open(StagedSetup(), error)) << error;
  for (std::string_view line : lines) {
    TPricer fresh;
    ASSERT_TRUE(fresh.Open(StagedSetup(), error)) << error;
    EXPECT_EQ(Report(used, line), Report(fresh, line)) << line;
  }
}

} // namespace
} // namespace korvane
