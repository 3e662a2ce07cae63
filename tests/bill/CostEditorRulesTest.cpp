// The cost editor's rules that need no window: the value texts, the field
// table and the bill round trip behind the Insert button.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <random>
#include <set>

#include "base/FileIO.h"
#include "base/NumberText.h"
#include "bill/BillInsertion.h"
#include "costs/CostFields.h"
#include "tests/bill/FakeBillHost.h"

namespace korvane {
namespace {

namespace fs = std::filesystem;

TEST(CostValueText, ShowsEveryDigitWithAtLeastOneDecimal) {
  const struct {
    double value;
    const char *text;
  } cases[] = {
      {14.5, "14.5"},
      {1.15, "1.15"},
      {1.0, "1.0"},
      {125.0, "125.0"},
      {0.0, "0.0"},
      {-2.25, "-2.25"},
      {1.0 / 3.0, "0.333333333333333"},
      {0.1 + 0.2, "0.3"},
      {123456.789012345, "123456.789012345"},
      {1e-05, "0.00001"},
      {-1.5e-7, "-0.00000015"},
      {1.5e20, "150000000000000000000.0"},
      {1e15, "1000000000000000.0"},
      {std::nan(""), "nan"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(CostValueText(c.value), c.text) << c.value;
}

TEST(CostValueText, ReadsBackAsTheSameNumberTo15Digits) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> mantissa(1.0, 10.0);
  std::uniform_int_distribution<int> exponent(-12, 18);
  for (int i = 0; i < 2000; ++i) {
    const double x = mantissa(random) * std::pow(10.0, exponent(random)) * (i % 2 ? 1 : -1);
    const std::string text = CostValueText(x);
    ASSERT_EQ(text.find('e'), std::string::npos) << text;
    ASSERT_NE(text.find('.'), std::string::npos) << text;
    double back = 0;
    ASSERT_TRUE(ReadNumber(text, back)) << text;
    EXPECT_EQ(FormatGeneral(back), FormatGeneral(x)) << text;
    // Shown again, it shows the same: a second OK changes nothing more.
    EXPECT_EQ(CostValueText(back), text);
  }
}

TEST(CostFieldTable, CoversEveryValueOfTheRecordOnceInPageOrder) {
  const auto fields = CostFields();
  ASSERT_EQ(fields.size(), 23u);
  std::set<std::size_t> offsets;
  std::set<std::string_view> names;
  int page = 0;
  TCostRec rec{};
  for (const TCostField &f : fields) {
    offsets.insert(static_cast<std::size_t>(reinterpret_cast<const char *>(&(rec.*f.member)) -
                                            reinterpret_cast<const char *>(&rec)));
    names.insert(f.name);
    EXPECT_EQ(f.name.substr(0, 1), "C");
    EXPECT_GE(static_cast<int>(f.page), page) << f.name;
    page = static_cast<int>(f.page);
    EXPECT_EQ(FindCostField(f.name), &f);
  }
  EXPECT_EQ(names.size(), 23u);
  // Every double after RefDate (offset 32) and nothing else.
  ASSERT_EQ(offsets.size(), 23u);
  EXPECT_EQ(*offsets.begin(), 40u);
  EXPECT_EQ(*offsets.rbegin(), 216u);
  EXPECT_EQ(FindCostField("CRefDate"), nullptr);
}

TEST(CostFieldTable, CaptionsAndUnitsAsTheUserSeesThem) {
  const struct {
    const char *name;
    TCostPage page;
    const char *group, *label, *unit;
  } cases[] = {
      {"CMnfRate", TCostPage::Rates, "Manufacturing rates", "Metal", "Cost/kg"},
      {"CLabourRate", TCostPage::Rates, "Erection rates", "Labour", "kg/hr"},
      {"CSpiralFittingFact", TCostPage::Spiral, "Spiral rates", "Fitting factor", ""},
      {"CCornerCost", TCostPage::Flanges, "Mezz flange costs", "Corners", "Cost each"},
      {"C40x40x5AFlangeCost", TCostPage::Flanges, "Angle flange costs", "40x40x5", "Cost/m"},
      {"CBracketCost", TCostPage::Misc, "Miscelleous costs", "Brackets", "Cost/m"},
      {"C12InsulCost", TCostPage::Insul, "Insulation", "12.5 mm", "Cost/m\u00b2"},
      {"CMWaste", TCostPage::Factors, "Factors", "Metal waste", "(Rect only)"},
  };
  for (const auto &c : cases) {
    const TCostField *f = FindCostField(c.name);
    ASSERT_NE(f, nullptr) << c.name;
    EXPECT_EQ(f->page, c.page) << c.name;
    EXPECT_EQ(f->group, c.group) << c.name;
    EXPECT_EQ(f->label, c.label) << c.name;
    EXPECT_EQ(f->unit, c.unit) << c.name;
  }
  EXPECT_EQ(FindCostField("CMWaste")->member, &TCostRec::MWaste);
  EXPECT_EQ(FindCostField("C25InsulCost")->member, &TCostRec::InsulCost25);
  EXPECT_EQ(CostPageName(TCostPage::Insul), "Insul");
}

TEST(BillLines, SplitAsALineEditorLoadsAFile) {
  const struct {
    std::string bytes;
    std::vector<std::string> lines;
  } cases[] = {
      {"", {}},
      {"\r\n", {""}},
      {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
      {"a\r\n\r\nb\r\n", {"a", "", "b"}},
      {std::string("x\0y\n", 4), {std::string("x\0y", 3)}},
  };
  for (const auto &c : cases)
    EXPECT_EQ(SplitBillLines(c.bytes), c.lines) << c.bytes;
  EXPECT_EQ(BillFileBytes({"a", "", "b"}), "a\r\n\r\nb\r\n");
}

class BillInsertionTest : public ::testing::Test {
protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("korvane-bill-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
           "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir);
    scratch = (dir / kBillScratchName).string();
  }
  void TearDown() override { fs::remove_all(dir); }
  fs::path dir;
  std::string scratch;
  test::TFakeBillHost host;
};

TEST_F(BillInsertionTest, InsertsTheCostsLineBeforeTheFirstItem) {
  host.lines = {"; bill for level 2", "StraightRect (Gauge=0.8)", "1000 500 1.2"};
  ASSERT_EQ(InsertCostsIntoBill(host, scratch, "../Data Files/Default.cst"), 0);
  const std::vector<std::string> expected = {
      "; bill for level 2", "", "Costs = ../Data Files/Default.cst", "", "StraightRect(Gauge=0.8)",
      "1000 500 1.2"};
  EXPECT_EQ(host.lines, expected);
  EXPECT_TRUE(host.modified);
  // The scratch file stays for the user to look at.
  std::string bytes;
  ASSERT_TRUE(ReadFileBytes(scratch, bytes));
  EXPECT_EQ(SplitBillLines(bytes), expected);
}

TEST_F(BillInsertionTest, ReplacesAnExistingCostsLineAndFillsAnEmptyBill) {
  host.lines = {"COSTS=old.cst", "Spiral (Dia=200)", "3"};
  ASSERT_EQ(InsertCostsIntoBill(host, scratch, "new.cst"), 0);
  EXPECT_EQ(host.lines, (std::vector<std::string>{"Costs = new.cst", "Spiral(Dia=200)", "3"}));

  test::TFakeBillHost empty;
  ASSERT_EQ(InsertCostsIntoBill(empty, scratch, "new.cst"), 0);
  EXPECT_EQ(empty.lines, (std::vector<std::string>{"", "Costs = new.cst", ""}));
}

TEST_F(BillInsertionTest, AFailureLeavesTheHostAlone) {
  host.lines = {"StraightRect"};
  EXPECT_NE(InsertCostsIntoBill(host, (dir / "missing" / kBillScratchName).string(), "a.cst"), 0);
  EXPECT_EQ(host.lines, std::vector<std::string>{"StraightRect"});
  EXPECT_FALSE(host.modified);
}

} // namespace
} // namespace korvane
