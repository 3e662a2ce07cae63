// Item files: what a save writes, what a load takes back, and that a file
// the program cannot handle is never damaged.
#include <gtest/gtest.h>

#include "app/ItemFile.h"
#include "base/FileIO.h"
#include "base/MessageSink.h"
#include "tests/support/TempFolder.h"

namespace korvane::test {
namespace {

TItemValues StartValues() {
  TCatalogue catalogue;
  BuildCatalogue(catalogue);
  return catalogue.ItemValues;
}

const TItemFileStamp kStamp{"Ann Owner", "", "2024/05/01 10:11:12"};

TEST(ItemFile, SavedStartValuesReadAsTheyShould) {
  TempFolder dir;
  TRecordingSink sink;
  const std::string file = dir.File("items.kvd");
  ASSERT_TRUE(SaveItemFile(file, StartValues(), kStamp, sink));
  const std::string text = GetFile(file);
  EXPECT_EQ(text.rfind("[RegisteredUser]\r\nRegisteredOwner=Ann Owner\r\n"
                       "RegisteredOrganisation=\r\n\r\n"
                       "[Last Saved]\r\nDataTime=2024/05/01 10:11:12\r\n\r\n"
                       "[Straight Rectangular]\r\nWidth=600\r\nHeight=500\r\nLength=2.4\r\n"
                       "Gauge=0\r\nFlange=0\r\nInsulation=0\r\n\r\n[Radius Bend]\r\n",
                       0),
            0u)
      << text;
  EXPECT_NE(text.find("[Elbow]\r\nDiameter=500\r\nAngle=90\r\nRadius=0\r\nReinforcing=0\r\n"
                      "Gauge=0\r\ninsulation=0\r\n\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("[Round Spigot]\r\nDiameter=500\r\nPlate=1\r\n"), std::string::npos);
  EXPECT_TRUE(
      text.ends_with("[Round Stop End]\r\nDiameter=500\r\nGauge=0\r\nInsulation=0\r\n\r\n"));
  EXPECT_TRUE(sink.messages.empty());
}

TEST(ItemFile, EveryTypeRoundTrips) {
  TempFolder dir;
  TRecordingSink sink;
  const std::string file = dir.File("items.kvd");
  TItemValues saved = StartValues();
  for (std::size_t t = 0; t < saved.size(); ++t)
    for (std::size_t k = 0; k < saved[t].size(); ++k)
      saved[t][k] = Variant(100.0 * double(t) + double(k) + 0.125);
  saved[dtSpiral][1] = Variant(0.1 + 0.2); // needs all 17 digits to come back
  ASSERT_TRUE(SaveItemFile(file, saved, kStamp, sink));

  TItemValues loaded = StartValues();
  ASSERT_TRUE(LoadItemFile(file, loaded, sink));
  for (std::size_t t = 0; t < saved.size(); ++t)
    for (std::size_t k = 0; k < saved[t].size(); ++k)
      EXPECT_NEAR(loaded[t][k].toDouble(), saved[t][k].toDouble(), 1e-12) << t << "/" << k;
  EXPECT_TRUE(sink.messages.empty());
}

TEST(ItemFile, ForeignSectionsAndKeysSurviveASave) {
  TempFolder dir;
  TRecordingSink sink;
  const std::string file = dir.File("items.kvd");
  PutFile(file, "[My Notes]\r\nJob=Hospital wing\r\n\r\n"
                "[Taper]\r\nLength=9\r\nColour=blue\r\n");
  ASSERT_TRUE(SaveItemFile(file, StartValues(), kStamp, sink));
  const std::string text = GetFile(file);
  EXPECT_EQ(text.rfind("[My Notes]\r\nJob=Hospital wing\r\n\r\n[Taper]\r\nLength=1.2\r\n"
                       "Colour=blue\r\nWidth1=750\r\n",
                       0),
            0u)
      << text;
}

TEST(ItemFile, ATaperOnlyFileChangesOneValue) {
  TempFolder dir;
  TRecordingSink sink;
  const std::string file = dir.File("taper.kvd");
  PutFile(file, "[Taper]\nLength=1.8\n");
  TItemValues values = StartValues();
  ASSERT_TRUE(LoadItemFile(file, values, sink));
  TItemValues expected = StartValues();
  expected[dtTaper][4] = Variant(1.8);
  EXPECT_EQ(values, expected);
}

TEST(ItemFile, NamesInAnyCaseAndDamagedValues) {
  TempFolder dir;
  TRecordingSink sink;
  const std::string file = dir.File("odd.kvd");
  PutFile(file, "[straight rectangular]\r\nWIDTH=800\r\nheight=wide\r\nLength=\r\n"
                "Gauge= 2 \r\nFlange=1e999\r\n"
                "[ELBOW]\r\nINSULATION=2\r\n\x01\xff garbage\r\n");
  TItemValues values = StartValues();
  ASSERT_TRUE(LoadItemFile(file, values, sink));
  const TMyVarArray &straight = values[dtStraightRect];
  EXPECT_EQ(straight[0], Variant(800.0));
  EXPECT_EQ(straight[1], Variant(500.0)); // not a number: kept
  EXPECT_EQ(straight[2], Variant(2.4));   // empty: kept
  EXPECT_EQ(straight[3], Variant(2.0));
  EXPECT_EQ(straight[4], Variant(std::int32_t{0})); // beyond a double: kept
  EXPECT_EQ(values[dtElbow][5], Variant(2.0));
  EXPECT_TRUE(sink.messages.empty());
}

TEST(ItemFile, AMissingFileChangesNothing) {
  TempFolder dir;
  TRecordingSink sink;
  TItemValues values = StartValues();
  EXPECT_TRUE(LoadItemFile(dir.File("none.kvd"), values, sink));
  EXPECT_EQ(values, StartValues());
}

TEST(ItemFile, AFileThatCannotBeReadIsReportedAndChangesNothing) {
  TempFolder dir;
  TRecordingSink sink;
  TItemValues values = StartValues();
  EXPECT_FALSE(LoadItemFile(dir.Dir(), values, sink)); // a folder
  EXPECT_EQ(values, StartValues());
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].kind, TMsgKind::Error);
  EXPECT_EQ(sink.messages[0].text, "Cannot open file \"" + dir.Dir() + "\". Is a directory");
}

TEST(ItemFile, AFailedSaveLeavesTheOldFile) {
  TempFolder dir;
  TRecordingSink sink;
  const std::string file = dir.File("items.kvd");
  PutFile(file, "[Taper]\r\nLength=1.8\r\n");
  SetWriteFaultHook([](std::string_view, std::size_t, std::size_t) { return false; });
  const bool saved = SaveItemFile(file, StartValues(), kStamp, sink);
  SetWriteFaultHook(nullptr);
  EXPECT_FALSE(saved);
  EXPECT_EQ(GetFile(file), "[Taper]\r\nLength=1.8\r\n");
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_FALSE(sink.messages[0].text.empty());

  // No folder to write into: the user is told which file and why.
  const std::string lost = dir.File("no/such/folder.kvd");
  EXPECT_FALSE(SaveItemFile(lost, StartValues(), kStamp, sink));
  ASSERT_EQ(sink.messages.size(), 2u);
  EXPECT_EQ(sink.messages[1].text,
            "Cannot create file \"" + lost + "\". No such file or directory");
}

TEST(ItemFile, AValueThatIsNoNumberIsWrittenAsItsTextAndSkippedOnLoad) {
  TempFolder dir;
  TRecordingSink sink;
  const std::string file = dir.File("items.kvd");
  TItemValues values = StartValues();
  values[dtNipple][0] = Variant("wide");
  ASSERT_TRUE(SaveItemFile(file, values, kStamp, sink));
  EXPECT_NE(GetFile(file).find("[Nipple]\r\nDiameter=wide\r\n"), std::string::npos);
  TItemValues loaded = StartValues();
  ASSERT_TRUE(LoadItemFile(file, loaded, sink));
  EXPECT_EQ(loaded[dtNipple][0], Variant(500.0));
}

TEST(ItemFile, OwnerComesFromTheAccountDatabase) {
  EXPECT_FALSE(RegisteredOwnerName().empty());
  const TItemFileStamp stamp = MakeItemFileStamp("now");
  EXPECT_EQ(stamp.Owner, RegisteredOwnerName());
  EXPECT_TRUE(stamp.Organisation.empty());
  EXPECT_EQ(stamp.DateTime, "now");
}

} // namespace
} // namespace korvane::test
