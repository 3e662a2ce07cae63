// The recovery file's format: what a window keeps comes back whole, and a
// file that is damaged, cut short or from a later version is told apart
// without ever losing the text it still holds.
#include "bill/RecoveryRecord.h"

#include <gtest/gtest.h>
#include <string>

namespace korvane {
namespace {

TEST(RecoveryRecord, EveryRecordComesBackWhole) {
  const std::string anyBytes("a\0b\r\n\x1A\xFF\xC3\xA9", 10);
  const TRecoveryRecord records[] = {
      {"", 0, ""},
      {"/home/ann/jobs/level2.dct", 1767225600, "Nipple\n 500 1\n"},
      // Line ends, a percent sign and a colon in the path stay its own.
      {"/tmp/a%0Ab\n: c\r.dct", -5, "no line end at the end"},
      {"/x.dct", 42, anyBytes},
      {"/x.dct", 42, "\n\nKorvane bill recovery 9\nLength: 3\n\n"},
  };
  for (const TRecoveryRecord &record : records) {
    SCOPED_TRACE(record.BillPath);
    const TRecoveryRead read = ReadRecoveryBytes(RecoveryFileBytes(record));
    EXPECT_EQ(read.State, TRecoveryState::Good);
    EXPECT_EQ(read.Version, kRecoveryVersion);
    EXPECT_EQ(read.Record.BillPath, record.BillPath);
    EXPECT_EQ(read.Record.ChangedAt, record.ChangedAt);
    EXPECT_EQ(read.Record.Text, record.Text);
  }
  EXPECT_EQ(RecoveryFileBytes({"/j.dct", 7, "abc"}),
            "Korvane bill recovery 1\nPath: /j.dct\nChanged: 7\nLength: 3\n\nabc");
}

TEST(RecoveryRecord, DamagedAndNewerFilesAreToldApart) {
  const std::string good = RecoveryFileBytes({"/j.dct", 7, "Elbow\n 500 750 90 1\n"});
  struct Case {
    const char *what;
    std::string bytes;
    TRecoveryState state;
    std::string text; // what the user is given back
    std::string path;
  };
  const Case cases[] = {
      {"no header at all", "Nipple\n 500 1\n", TRecoveryState::Damaged, "Nipple\n 500 1\n", ""},
      {"empty file", "", TRecoveryState::Damaged, "", ""},
      {"first line cut", "Korvane bill rec", TRecoveryState::Damaged, "Korvane bill rec", ""},
      {"version no number", "Korvane bill recovery x\n\nabc", TRecoveryState::Damaged,
       "Korvane bill recovery x\n\nabc", ""},
      {"version zero", "Korvane bill recovery 0\n\nabc", TRecoveryState::Damaged,
       "Korvane bill recovery 0\n\nabc", ""},
      {"body cut short", good.substr(0, good.size() - 5), TRecoveryState::Damaged,
       "Elbow\n 500 750 ", "/j.dct"},
      {"body longer than said", good + "extra", TRecoveryState::Damaged,
       "Elbow\n 500 750 90 1\nextra", "/j.dct"},
      {"header cut short", good.substr(0, 40), TRecoveryState::Damaged, "", "/j.dct"},
      {"no length", "Korvane bill recovery 1\nPath: /k.dct\n\nabc", TRecoveryState::Damaged, "abc",
       "/k.dct"},
      {"unknown header lines are skipped",
       "Korvane bill recovery 1\nColour: red\nPath: /k.dct\nLength: 3\nnonsense\n\nabc",
       TRecoveryState::Good, "abc", "/k.dct"},
      {"a later version", "Korvane bill recovery 2\nPath: /k.dct\nLength: 3\n\nabc",
       TRecoveryState::Newer, "", ""},
      {"a far later version", "Korvane bill recovery 99999999999999999999\n\n",
       TRecoveryState::Damaged, "Korvane bill recovery 99999999999999999999\n\n", ""},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    const TRecoveryRead read = ReadRecoveryBytes(c.bytes);
    EXPECT_EQ(read.State, c.state);
    EXPECT_EQ(read.Record.Text, c.text);
    EXPECT_EQ(read.Record.BillPath, c.path);
  }
}

TEST(RecoveryRecord, FileNamesNameTheirRun) {
  EXPECT_EQ(RecoveryFileName("bill-12-00ab", 3), "bill-12-00ab-3.kvr");
  EXPECT_EQ(RecoveryLockName("bill-12-00ab"), "bill-12-00ab.lock");
  EXPECT_EQ(RecoveryRunOf("bill-12-00ab-3.kvr"), "bill-12-00ab");
  for (const char *notOurs : {"bill-12-00ab.lock", "bill-12-00ab-.kvr", "bill-12-00ab-x.kvr",
                              "-3.kvr", "3.kvr", ".kvr", "bill-3.kvr.tmp-abcdef"})
    EXPECT_EQ(RecoveryRunOf(notOurs), "") << notOurs;
}

} // namespace
} // namespace korvane
