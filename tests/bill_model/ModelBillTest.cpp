// The two test models hold the same ductwork, one as IFC4 drawn in
// millimetres, one as IFC2X3 in metres: two storeys, the upper one's ducts
// in a system, straight ducts of both sections (one through a mapped item,
// one known only by its property sets), each kind of fitting the calculator
// prices and one it does not.
#include <gtest/gtest.h>

#include <string>

#include "base/FileIO.h"
#include "bill/BillKeywords.h"
#include "bill/model/ModelFile.h"
#include "tests/bill_job/JobRun.h"

namespace korvane {
namespace {

std::string Model(const std::string &name) {
  return std::string(KORVANE_SOURCE_DIR "/tests/data/") + name;
}

// The bill after its first line, which names the model.
constexpr std::string_view kBill = R"(; Project: Harbour Road offices
; 2 elements are neither a duct segment nor a duct fitting, and not in the bill

# Level 1
StraightRect (NumberOff=2)
	-	800  500  2.400  ; 0Seg1_________________, 0Seg2_________________
StraightRect
	-	600  400  1.200  ; 0Seg3_________________
StraightRect
	-	300  400  1.000  ; 0Seg4_________________
RadiusBend
	-	800  500  90  1  ; 0Bend1________________
Taper
	-	800  500  600  400  1  0.600  ; 0Taper2_______________
YPiece
	-	600  300  400  1  ; 0Tee3_________________ (an open end's size taken from the main run)
; not priced: IfcDuctFitting 0Damper4______________ 'Fire damper': the calculator has no costing for fittings of kind OBSTRUCTION

# Level 2 - Supply Air
StraightRect
	-	500  300  1.500  ; 0Seg5_________________ (size from Pset_DuctSegmentTypeCommon, length from Qto_DuctSegmentBaseQuantities)
SquareToRound
	-	500  300  315  1  0.500  ; 0Square7______________
Spiral
	-	400  3.000  ; 0Round1_______________
Spiral
	-	315  3.000  ; 0Round2_______________
Elbow
	-	400  600  90  1  ; 0Elbow5_______________
Reducer
	-	400  0.300  1  ; 0Reducer6_____________
TPiece
	-	400  90  1  ; 0Tee8_________________
)";

// `fitting`: the entity a fitting is in the model's schema.
void ExpectBill(const std::string &file, std::string_view firstLine, const std::string &fitting) {
  std::string expected(kBill);
  expected.replace(expected.find("IfcDuctFitting"), 14, fitting);
  TModelBill bill;
  std::string error;
  ASSERT_TRUE(ReadModelFile(Model(file), bill, error)) << error;
  const std::size_t nl = bill.Text.find('\n');
  EXPECT_EQ(bill.Text.substr(0, nl), firstLine);
  // Line by line, so a difference names its line.
  std::size_t at = nl + 1, want = 0;
  for (int line = 2; at < bill.Text.size() || want < expected.size(); ++line) {
    const std::size_t end = bill.Text.find('\n', at);
    const std::size_t wantEnd = expected.find('\n', want);
    EXPECT_EQ(bill.Text.substr(at, end - at), expected.substr(want, wantEnd - want))
        << "line " << line;
    if (end == std::string::npos || wantEnd == std::string_view::npos)
      break;
    at = end + 1;
    want = wantEnd + 1;
  }
  EXPECT_EQ(bill.Lines, 13u);
  ASSERT_EQ(bill.Notes.size(), 2u);
  EXPECT_FALSE(bill.Notes[0].NotPriced);
  EXPECT_EQ(bill.Notes[0].BillLine, 3);
  EXPECT_TRUE(bill.Notes[1].NotPriced);
  EXPECT_EQ(bill.Notes[1].BillLine, 18);
  EXPECT_EQ(bill.Notes[1].Keyword, fitting);
}

TEST(ModelBill, Ifc4InMillimetresAndIfc2x3InMetresBecomeTheSameBill) {
  ExpectBill("ducts-ifc4.ifc",
             "; Ductwork of building model 'ducts-ifc4.ifc' (IFC4, lengths in millimetre)",
             "IfcDuctFitting");
  ExpectBill("ducts-ifc2x3.ifc",
             "; Ductwork of building model 'ducts-ifc2x3.ifc' (IFC2X3, lengths in metre)",
             "IfcFlowFitting");
}

TEST(ModelBill, PricesAsABillWithTheElementsNotPricedAtTheirLines) {
  for (const char *file : {"ducts-ifc4.ifc", "ducts-ifc2x3.ifc"}) {
    TModelBill bill;
    std::string error;
    ASSERT_TRUE(ReadModelFile(Model(file), bill, error)) << error;
    test::TJobRun run;
    {
      TBillJob job(test::StagedSetup(), file, {}, {&run.writer});
      FeedModelBill(job, bill);
      ASSERT_TRUE(job.Finish()) << job.Pricer().FatalError();
      run.totals = job.Pricer().Totals();
    }
    const TJobTotals &t = run.totals;
    EXPECT_TRUE(t.Errors.empty()) << t.Errors.front().Line << ": " << t.Errors.front().Reason;
    EXPECT_EQ(t.Priced, 13u);
    ASSERT_EQ(t.NotPriced.size(), 1u);
    EXPECT_EQ(t.NotPriced[0].Line, 18);
    EXPECT_TRUE(t.NotPriced[0].Keyword.ends_with("Fitting"));
    EXPECT_TRUE(t.NotPriced[0].Reason.starts_with("0Damper4______________ 'Fire damper': "));
    ASSERT_EQ(t.Sections.size(), 2u);
    EXPECT_EQ(t.Sections[0].Title, "Level 1");
    EXPECT_EQ(t.Sections[0].Priced, 6u);
    EXPECT_EQ(t.Sections[1].Title, "Level 2 - Supply Air");
    // The two 800 x 500 ducts are one line of two.
    ASSERT_FALSE(run.writer.lines.empty());
    EXPECT_EQ(run.writer.lines[0].Code, btStraightRect);
    EXPECT_EQ(run.writer.lines[0].Quantity, 2);
    EXPECT_GT(t.Price, 0);
  }
}

TEST(ModelBill, ALineOutOfRangeNamesTheElementsItCameFrom) {
  constexpr std::string_view kWide =
      "ISO-10303-21;HEADER;FILE_SCHEMA(('IFC4'));ENDSEC;DATA;\n"
      "#1=IFCPROJECT('0P',$,$,$,$,$,$,$,#4);#4=IFCUNITASSIGNMENT((#2));\n"
      "#2=IFCSIUNIT(*,.LENGTHUNIT.,$,.METRE.);\n"
      "#10=IFCDUCTSEGMENT('0Wide',$,$,$,$,$,#11,$,.RIGIDSEGMENT.);\n"
      "#11=IFCPRODUCTDEFINITIONSHAPE($,$,(#12));\n"
      "#12=IFCSHAPEREPRESENTATION(#9,'Body','SweptSolid',(#13));\n"
      "#13=IFCEXTRUDEDAREASOLID(#14,$,$,2.);#14=IFCRECTANGLEPROFILEDEF(.AREA.,$,$,3.,0.5);\n"
      "ENDSEC;END-ISO-10303-21;";
  TModelBill bill;
  std::string error;
  ASSERT_TRUE(ReadModelText(kWide, "wide.ifc", bill, error)) << error;
  test::TJobRun run;
  TBillJob job(test::StagedSetup(), "wide.ifc", {}, {&run.writer});
  FeedModelBill(job, bill);
  ASSERT_TRUE(job.Finish()) << job.Pricer().FatalError();
  const TJobTotals &t = job.Pricer().Totals();
  EXPECT_EQ(t.Priced, 0u);
  ASSERT_EQ(t.Errors.size(), 1u);
  EXPECT_EQ(t.Errors[0].Line, 5);
  EXPECT_TRUE(t.Errors[0].Reason.ends_with("out of range (100 to 2400 mm) (0Wide)"))
      << t.Errors[0].Reason;
}

} // namespace
} // namespace korvane
