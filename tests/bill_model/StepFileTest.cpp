#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bill/model/IfcEntities.h"
#include "bill/model/ModelFile.h"
#include "bill/model/StepFile.h"
#include "bill/model/StepValues.h"

namespace korvane {
namespace {

std::string Step(std::string_view schema, std::string_view data) {
  return "ISO-10303-21;\nHEADER;\nFILE_DESCRIPTION((''),'2;1');\nFILE_SCHEMA(('" +
         std::string(schema) + "'));\nENDSEC;\nDATA;\n" + std::string(data) +
         "\nENDSEC;\nEND-ISO-10303-21;\n";
}

// A duct of 2 x 1 ft and 10 ft long in a model drawn in feet.
constexpr std::string_view kFeet =
    "#1=IFCPROJECT('0P',$,$,$,$,$,$,$,#4);\n"
    "#2=IFCSIUNIT(*,.LENGTHUNIT.,$,.METRE.);\n"
    "#3=IFCMEASUREWITHUNIT(IFCLENGTHMEASURE(0.3048),#2);\n"
    "#5=IFCCONVERSIONBASEDUNIT(#6,.LENGTHUNIT.,'FOOT',#3);\n"
    "#4=IFCUNITASSIGNMENT((#5));\n"
    "#10=IFCDUCTSEGMENT('0D /* ; */ x''y',$,'Duct; 1',$,$,$,#11,$,.RIGIDSEGMENT.);\n"
    "#11=IFCPRODUCTDEFINITIONSHAPE($,$,(#12));\n"
    "#12 = IFCSHAPEREPRESENTATION ( #9 , 'Body' , 'SweptSolid' , ( #13 ) ) /* a comment; */ ;\n"
    "#13=IFCEXTRUDEDAREASOLID(#14,$,$,10.);\n"
    "#14=IfcRectangleProfileDef(.AREA.,$,$,2.,1.);\n";

TEST(StepFile, ReadsTheSameInAnyPiecesAndKeepsOnlyWhatItIsAskedFor) {
  const std::string text = Step("IFC4", kFeet);
  TStepFile whole("m.ifc", IfcEntityNames());
  whole.Feed(text);
  TStepFile bytes("m.ifc", IfcEntityNames());
  for (const char c : text)
    bytes.Feed(std::string_view(&c, 1));
  std::string error;
  ASSERT_TRUE(whole.Finish(error)) << error;
  ASSERT_TRUE(bytes.Finish(error)) << error;
  ASSERT_EQ(whole.Entities().size(), 10u);
  ASSERT_EQ(bytes.Entities().size(), 10u);
  for (std::size_t i = 0; i < 10; ++i)
    EXPECT_EQ(whole.Args(whole.Entities()[i]), bytes.Args(bytes.Entities()[i]));
  // Blanks and comments outside strings are gone; strings are kept whole.
  const TStepEntity *rep = whole.Find(12);
  ASSERT_NE(rep, nullptr);
  EXPECT_EQ(whole.Args(*rep), "#9,'Body','SweptSolid',(#13)");
  EXPECT_EQ(StepString(StepAttribute(whole.Args(*whole.Find(10)), 0)), "0D /* ; */ x'y");
  EXPECT_EQ(whole.Find(14)->Type, unsigned{ifcRectangleProfileDef});
  EXPECT_EQ(whole.Find(7), nullptr);
}

TEST(StepFile, FeetBecomeMillimetresAndMetres) {
  TModelBill bill;
  std::string error;
  ASSERT_TRUE(ReadModelText(Step("IFC2X3_TC1", kFeet), "m.ifc", bill, error)) << error;
  EXPECT_NE(bill.Text.find("(IFC2X3, lengths in FOOT)"), std::string::npos);
  EXPECT_NE(bill.Text.find("# Not in a storey\nStraightRect\n\t-\t610  305  3.048  ; 0D /* ; */ "
                           "x'y\n"),
            std::string::npos)
      << bill.Text;
}

TEST(StepFile, RefusesWhatIsNoModelOfAKnownSchemaNamingTheFile) {
  const std::string feet(kFeet);
  const std::vector<std::pair<std::string, std::string>> cases{
      {"", "is not a STEP file"},
      {"PK\x03\x04 a zip;", "is not a STEP file"},
      {std::string(100000, 'x'), "is not a STEP file"},
      {Step("IFC4X3", feet), "schema 'IFC4X3', which is not read"},
      {"ISO-10303-21;HEADER;ENDSEC;DATA;ENDSEC;", "names no schema"},
      {Step("IFC4", "#1=IFCPROJECT('abc);"), "ends inside a string"},
      {Step("IFC4", "#1=IFCSIUNIT($);#1=IFCSIUNIT($);"), "defines instance #1 twice"},
      {Step("IFC4", "IFCWALL();"), "has an instance that is not read"},
      {Step("IFC4", "#2=IFCSIUNIT(*,.LENGTHUNIT.,$,.METRE.);"),
       "cannot be measured: it has no IfcProject"},
      {Step("IFC4", "#1=IFCPROJECT('0P',$,$,$,$,$,$,$,#4);#4=IFCUNITASSIGNMENT((#2));"
                    "#2=IFCSIUNIT(*,.LENGTHUNIT.,.BOGUS.,.METRE.);"),
       "its length unit #2 is neither a metre nor converted from one"},
  };
  for (const auto &[text, said] : cases) {
    TModelBill bill;
    std::string error;
    EXPECT_FALSE(ReadModelText(text, "m.ifc", bill, error)) << said;
    EXPECT_TRUE(error.starts_with("'m.ifc' ")) << error;
    EXPECT_NE(error.find(said), std::string::npos) << error;
  }
}

} // namespace
} // namespace korvane
