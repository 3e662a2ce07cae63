// korvane-price --ifc: prices a model exactly as --bill prices the bill it
// becomes, with the model's elements that cannot be priced among the lines
// not priced, and refuses what is no model before anything is printed.
#include <gtest/gtest.h>

#include <string>

#include "tests/pricer/CliRun.h"

namespace korvane::test {
namespace {

const std::string kModel = KORVANE_SOURCE_DIR "/tests/data/ducts-ifc4.ifc";

std::string Total(const std::string &out) {
  const std::size_t at = out.find("\nTotal");
  return at == std::string::npos ? std::string() : out.substr(at, out.find('\n', at + 1) - at);
}

TEST(ModelCli, PricesAsTheBillItBecomesWithItsElementsNotPriced) {
  TempFolder dir;
  const std::string bill = dir.File("model.dct");
  const CliResult model = RunPricer({"--ifc", kModel, "--bill-out", bill});
  EXPECT_EQ(model.status, 1) << model.err;
  // The bill made carries the element not priced as a comment only: it is
  // told with the bill.
  EXPECT_EQ(model.err, "korvane-price: model 'ducts-ifc4.ifc': 2 elements are neither a duct "
                       "segment nor a duct fitting, and not in the bill\n"
                       "korvane-price: model 'ducts-ifc4.ifc': not priced: IfcDuctFitting "
                       "0Damper4______________ 'Fire damper': the calculator has no costing for "
                       "fittings of kind OBSTRUCTION\n");
  const CliResult written = RunPricer({"--bill", bill});
  ASSERT_EQ(written.status, 0) << written.err;
  ASSERT_FALSE(Total(written.out).empty()) << written.out;
  EXPECT_EQ(Total(model.out), Total(written.out));
  EXPECT_NE(model.out.find("Lines: 13 priced, 1 not priced, 0 bad"), std::string::npos)
      << model.out;
  EXPECT_NE(model.out.find("line 18  IfcDuctFitting: 0Damper4______________ 'Fire damper': the "
                           "calculator has no costing for fittings of kind OBSTRUCTION"),
            std::string::npos)
      << model.out;

  const CliResult json = RunPricer({"--ifc", kModel, "--json"});
  EXPECT_EQ(json.out.rfind("{\"bill\":\"ducts-ifc4.ifc\"", 0), 0u) << json.out;
  EXPECT_NE(json.out.find("\"not_priced\":1"), std::string::npos) << json.out;
}

TEST(ModelCli, RefusesWhatIsNoModelAndOptionsThatDoNotGoWithIt) {
  TempFolder dir;
  const std::string text = dir.File("notes.ifc");
  PutFile(text, "just some notes;\n");
  const CliResult notModel = RunPricer({"--ifc", text});
  EXPECT_EQ(notModel.status, 2);
  EXPECT_EQ(notModel.out, "");
  EXPECT_NE(notModel.err.find("'notes.ifc' is not a STEP file"), std::string::npos) << notModel.err;
  for (const std::vector<std::string> &args :
       {std::vector<std::string>{"--ifc", dir.File("none.ifc")},
        {"--ifc", kModel, "--bill", "-"},
        {"--ifc", kModel, "--sheet", "S"},
        {"--bill", "-", "--bill-out", dir.File("b.dct")},
        {"--ifc", kModel, "--bill-out", dir.File("no/such/folder.dct")}}) {
    const CliResult bad = RunPricer(args);
    EXPECT_EQ(bad.status, 2) << args[2];
    EXPECT_EQ(bad.out, "") << args[2];
  }
}

} // namespace
} // namespace korvane::test
