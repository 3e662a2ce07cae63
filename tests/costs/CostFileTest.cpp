#include "costs/CostFile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

#include "base/FileIO.h"
#include "tests/support/TempFolder.h"

namespace korvane {
namespace {

using test::GetFile;
using test::PutFile;
using test::TempFolder;

// A record unlike the defaults in every field and in its padding, so a field
// that is lost, shifted or defaulted shows.
TCostRec DistinctCosts() {
  TCostRec rec = DefaultCosts();
  rec.Padding = {0xDE, 0xAD, 0xBE, 0xEF};
  double *values = &rec.RefDate;
  for (int i = 0; i < 24; ++i)
    values[i] = 1000.0 + i + 0.125;
  return rec;
}

std::string Header(std::string_view signature, std::array<std::uint8_t, 4> padding) {
  std::string bytes(1, static_cast<char>(signature.size()));
  bytes += signature;
  bytes.append(reinterpret_cast<const char *>(padding.data()), padding.size());
  return bytes;
}

// A 3.10 file: the 3.10 header and the 23 values up to Sq2RFactor.
std::string File310(const TCostRec &values) {
  return Header(kCostSignature310, {7, 7, 7, 7}) +
         CostRecBytes(values).substr(32, kCostRec310Size - 32);
}

class CostFileTest : public ::testing::Test {
protected:
  TempFolder folder;
  std::string name = folder.File("Costs.cst");
  TRecordingSink sink;
};

TEST_F(CostFileTest, SaveThenLoadReproducesEveryByteIncludingPadding) {
  TCostRec saved = DistinctCosts();
  ASSERT_TRUE(SaveCostFile(name, saved, sink));
  EXPECT_EQ(GetFile(name), CostRecBytes(saved));
  EXPECT_EQ(GetFile(name).size(), kCostRecSize);

  TCostRec loaded = DefaultCosts();
  ASSERT_TRUE(LoadCostFile(name, loaded, sink));
  EXPECT_EQ(CostRecBytes(loaded), CostRecBytes(saved));
  EXPECT_TRUE(sink.messages.empty());
}

TEST_F(CostFileTest, AppendedBytesAreIgnored) {
  const TCostRec rec = DistinctCosts();
  PutFile(name, CostRecBytes(rec) + std::string(4096, '\x5A'));
  TCostRec loaded = DefaultCosts();
  ASSERT_TRUE(LoadCostFile(name, loaded, sink));
  EXPECT_EQ(loaded, rec);
}

TEST_F(CostFileTest, OlderFileIsUpgradedAndSavedAsCurrentLayout) {
  const TCostRec values = DistinctCosts();
  // Eight stray bytes after the 3.10 record must not become the corner cost.
  PutFile(name, File310(values) + std::string(8, '\x11'));

  TCostRec current = DefaultCosts();
  current.Padding = {1, 2, 3, 4};
  const TCostRec before = current;
  ASSERT_TRUE(LoadCostFile(name, current, sink));
  EXPECT_EQ(std::memcmp(&current.RefDate, &values.RefDate, kCostRec310Size - 32), 0);
  EXPECT_EQ(current.CornerCost, 1.0);
  // The header is the one the live record had, not the file's.
  EXPECT_EQ(std::memcmp(&current, &before, 32), 0);

  current.Signature[5] = 'X'; // whatever the header holds, a save writes 3.30
  ASSERT_TRUE(SaveCostFile(name, current, sink));
  const std::string written = GetFile(name);
  ASSERT_EQ(written.size(), kCostRecSize);
  EXPECT_EQ(written.substr(0, 28), Header(kCostSignature330, {}).substr(0, 28));
  EXPECT_EQ(written.substr(28, 4), std::string("\x01\x02\x03\x04", 4));
  TCostRec reloaded{};
  ASSERT_TRUE(LoadCostFile(name, reloaded, sink));
  EXPECT_EQ(reloaded.Markup, values.Markup);
  EXPECT_EQ(reloaded.CornerCost, 1.0);
  EXPECT_TRUE(sink.messages.empty());
}

struct BadFile {
  const char *what;
  std::string bytes;
  TMsgKind kind;
  bool formatMessage; // "Incorrect cost file format : " rather than "cannot be loaded..."
};

std::string RandomBytes(std::size_t n) {
  std::mt19937 gen(20240601);
  std::string bytes(n, '\0');
  for (char &c : bytes)
    c = static_cast<char>(gen());
  return bytes;
}

TEST_F(CostFileTest, BadFilesGiveTheirMessageAndTheDefaults) {
  const std::string good = CostRecBytes(DistinctCosts());
  std::string wrongLength = good;
  wrongLength[0] = 26;
  std::string lowerCase = good;
  lowerCase[1] = 'b';
  const std::vector<BadFile> cases = {
      {"empty file", "", TMsgKind::Error, true},
      {"text file", "[Costs]\r\nMarkup=1.15\r\n", TMsgKind::Error, true},
      {"first byte not 27", wrongLength, TMsgKind::Error, true},
      {"signature in another case", lowerCase, TMsgKind::Error, true},
      {"100 bytes of zeros", std::string(100, '\0'), TMsgKind::Error, true},
      {"1 MB of random bytes", RandomBytes(1 << 20), TMsgKind::Error, true},
      {"signature alone", good.substr(0, 28), TMsgKind::Information, false},
      {"3.30 record one byte short", good.substr(0, kCostRecSize - 1), TMsgKind::Information,
       false},
      {"3.10 record one byte short", File310(DistinctCosts()).substr(0, kCostRec310Size - 1),
       TMsgKind::Information, false},
  };
  for (const BadFile &c : cases) {
    SCOPED_TRACE(c.what);
    PutFile(name, c.bytes);
    TRecordingSink said;
    TCostRec current = DistinctCosts(); // a loaded record, so a mixture would show
    EXPECT_FALSE(LoadCostFile(name, current, said));
    EXPECT_EQ(current, DefaultCosts());
    ASSERT_EQ(said.messages.size(), 1u);
    EXPECT_EQ(said.messages[0].kind, c.kind);
    EXPECT_EQ(said.messages[0].buttons, TMsgButtons::Ok);
    EXPECT_EQ(said.messages[0].text, c.formatMessage ? "Incorrect cost file format : " + name
                                                     : name + "\r\ncannot be loaded...");
  }
}

TEST_F(CostFileTest, MissingFileFolderOrPipeCannotBeLoaded) {
  // A named pipe with no writer must not hang the load.
  const std::string pipe = folder.File("Pipe.cst");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  for (const std::string &path : {folder.File("Missing.cst"), folder.Dir(), pipe}) {
    SCOPED_TRACE(path);
    TRecordingSink said;
    TCostRec current = DistinctCosts();
    EXPECT_FALSE(LoadCostFile(path, current, said));
    EXPECT_EQ(current, DefaultCosts());
    ASSERT_EQ(said.messages.size(), 1u);
    EXPECT_EQ(said.messages[0].kind, TMsgKind::Information);
    EXPECT_EQ(said.messages[0].text, path + "\r\ncannot be loaded...");
  }
}

TEST_F(CostFileTest, EmptyNameLoadsNothingAndSaysNothing) {
  TCostRec current = DistinctCosts();
  EXPECT_FALSE(LoadCostFile("", current, sink));
  EXPECT_EQ(current, DistinctCosts());
  EXPECT_TRUE(sink.messages.empty());
}

TEST_F(CostFileTest, EmptyNameCannotBeSaved) {
  TCostRec current = DistinctCosts();
  EXPECT_FALSE(SaveCostFile("", current, sink));
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].kind, TMsgKind::Information);
  EXPECT_EQ(sink.messages[0].text, "Costs file cannot be written...\r\nBlank cost file name.");
}

bool FailEveryWrite(std::string_view, std::size_t, std::size_t) {
  return false;
}

TEST_F(CostFileTest, FailedSaveLeavesThePreviousFileAsItWas) {
  TCostRec old = DefaultCosts();
  ASSERT_TRUE(SaveCostFile(name, old, sink));
  const std::string before = GetFile(name);
  TCostRec changed = DistinctCosts();

  SetWriteFaultHook(&FailEveryWrite); // a full disk
  const bool saved = SaveCostFile(name, changed, sink);
  SetWriteFaultHook(nullptr);
  EXPECT_FALSE(saved);
  EXPECT_EQ(GetFile(name), before);
  ASSERT_EQ(sink.messages.size(), 1u);
  // The message says which file and why.
  EXPECT_EQ(sink.messages[0].text,
            "Costs file cannot be written...\r\n" + name + "\r\nNo space left on device.");
  // Nothing but the cost file is left in the folder: no temporary remains.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Dir()), {}), 1);
}

TEST_F(CostFileTest, SaveIntoMissingFolderFails) {
  TCostRec rec = DistinctCosts();
  PutFile(name, "not a folder");
  const std::pair<std::string, const char *> cases[] = {
      {folder.File("no such folder/Costs.cst"), "No such file or directory."},
      {name + "/Costs.cst", "Not a directory."}};
  for (const auto &[path, why] : cases) {
    SCOPED_TRACE(path);
    TRecordingSink said;
    EXPECT_FALSE(SaveCostFile(path, rec, said));
    ASSERT_EQ(said.messages.size(), 1u);
    EXPECT_EQ(said.messages[0].text, "Costs file cannot be written...\r\n" + path + "\r\n" + why);
  }
  EXPECT_FALSE(FileExists(folder.File("no such folder")));
  EXPECT_EQ(GetFile(name), "not a folder");
}

TEST_F(CostFileTest, SaveIntoReadOnlyFolderLeavesTheOldFile) {
  TCostRec old = DefaultCosts();
  ASSERT_TRUE(SaveCostFile(name, old, sink));
  const std::string before = GetFile(name);
  std::filesystem::permissions(folder.Dir(), std::filesystem::perms::owner_read |
                                                 std::filesystem::perms::owner_exec);
  const bool writable = ::access(folder.Dir().c_str(), W_OK) == 0; // root writes anyway
  TCostRec rec = DistinctCosts();
  const bool saved = SaveCostFile(name, rec, sink);
  std::filesystem::permissions(folder.Dir(), std::filesystem::perms::owner_all);
  if (writable)
    GTEST_SKIP() << "this user can write into read-only folders";
  EXPECT_FALSE(saved);
  EXPECT_EQ(GetFile(name), before);
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].text,
            "Costs file cannot be written...\r\n" + name + "\r\nPermission denied.");
}

} // namespace
} // namespace korvane
