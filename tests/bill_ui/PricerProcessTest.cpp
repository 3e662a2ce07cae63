// A file the window does not read itself is made into a bill by korvane-price
// in a process of its own: the bill comes back, a failure says why, and a run
// past its time is stopped.
#include <gtest/gtest.h>

#include "bill/ui/PricerProcess.h"
#include "tests/support/TempFolder.h"
#include "tests/support/UiTest.h"

namespace korvane::test {
namespace {

const QString kPricer = QStringLiteral(KORVANE_STAGE_DIR "/Korvane/korvane-price");
const QString kTakeoff = QStringLiteral(KORVANE_STAGE_DIR "/Data Files/level2-office-takeoff.csv");

class PricerProcessTest : public TUiTest {};

TEST_F(PricerProcessTest, TheBillComesBackAndAFailureSaysWhy) {
  TPricerRun run = RunPricerForBill(nullptr, kPricer, {"--takeoff", kTakeoff}, 60'000);
  EXPECT_TRUE(run.Made) << run.Said.toStdString();
  EXPECT_NE(run.BillText.find("# "), std::string::npos);
  EXPECT_NE(run.BillText.find("StraightRect"), std::string::npos);

  run = RunPricerForBill(nullptr, kPricer, {"--takeoff", kTakeoff + ".missing"}, 60'000);
  EXPECT_FALSE(run.Made);
  EXPECT_TRUE(run.Said.contains(".missing")) << run.Said.toStdString();
  // The message names the file; the program's name before each line goes.
  EXPECT_FALSE(run.Said.contains("korvane-price:")) << run.Said.toStdString();

  run = RunPricerForBill(nullptr, kPricer + ".missing", {}, 60'000);
  EXPECT_FALSE(run.Made);
  EXPECT_TRUE(run.Said.contains("could not be started")) << run.Said.toStdString();

  // A program that never ends is stopped at the time limit.
  run = RunPricerForBill(nullptr, QStringLiteral("/bin/sh"), {"-c", "sleep 30"}, 200);
  EXPECT_FALSE(run.Made);
  EXPECT_TRUE(run.Said.contains("too long")) << run.Said.toStdString();
}

} // namespace
} // namespace korvane::test
