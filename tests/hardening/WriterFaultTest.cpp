// Every writer of the program against the ways a save goes wrong: a missing
// folder, a read-only folder, a read-only file, a folder where the file
// should be, a disk that fills up, and a process killed while writing or
// between writing and renaming. In each case the user hears what the writer
// promises, the file that was there stays byte for byte, and no temporary
// file is left where the program could remove it.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>
#include <vector>

#include "app/Catalogue.h"
#include "app/ItemFile.h"
#include "base/FileIO.h"
#include "base/MessageSink.h"
#include "costs/CostFile.h"
#include "costs/FittingsFiles.h"
#include "tests/hardening/ChildProcess.h"
#include "tests/support/TempFolder.h"

namespace korvane {
namespace {

namespace fs = std::filesystem;
using test::GetFile;
using test::PutFile;

// What one save did, as the user saw it.
struct TOutcome {
  bool saved = false;
  std::vector<TRecordingSink::Message> said;
  bool ended = false;
};

struct TWriter {
  const char *name;
  std::string fileName;
  // The bytes of a good file of this kind, different from what a save writes.
  std::string oldBytes;
  // Saves into `folder` (with a trailing '/').
  std::function<TOutcome(const std::string &folder)> save;
  // Whether the user was told what this writer promises for a failure.
  std::function<bool(const TOutcome &)> toldFailure;
};

std::string OldCostFile() {
  TCostRec rec = DefaultCosts();
  rec.MnfRate = 99.5;
  return CostRecBytes(rec);
}

std::vector<TWriter> Writers() {
  std::vector<TWriter> writers;
  writers.push_back({"cost file", "Default.cst", OldCostFile(),
                     [](const std::string &folder) {
                       TOutcome o;
                       TRecordingSink sink;
                       TCostRec rec = DefaultCosts();
                       o.saved = SaveCostFile(folder + "Default.cst", rec, sink);
                       o.said = sink.messages;
                       return o;
                     },
                     [](const TOutcome &o) {
                       return o.said.size() == 1 && o.said[0].kind == TMsgKind::Information &&
                              o.said[0].text.starts_with("Costs file cannot be written...\r\n");
                     }});
  writers.push_back(
      {"item file", "Job.kvd", "[Taper]\r\nLength=1.8\r\n\r\n[Notes]\r\nkeep=this\r\n\r\n",
       [](const std::string &folder) {
         TOutcome o;
         TRecordingSink sink;
         TCatalogue catalogue;
         BuildCatalogue(catalogue);
         o.saved = SaveItemFile(folder + "Job.kvd", catalogue.ItemValues,
                                {"Estimator", "", "2024/05/01 10:15:00"}, sink);
         o.said = sink.messages;
         return o;
       },
       [](const TOutcome &o) {
         // The file layer's own words, in an error box.
         return o.said.size() == 1 && o.said[0].kind == TMsgKind::Error && !o.said[0].text.empty();
       }});
  writers.push_back(
      {"Fittings.ini", kFittingsIniName, "[Nipple]\r\nd100=12.5\r\n\r\n[Mine]\r\nnote=1\r\n\r\n",
       [](const std::string &folder) {
         TOutcome o;
         TRecordingSink sink;
         TSpiralPriceTable table;
         table.cols[fcNipple][0] = 77;
         o.saved = WriteFittingsIni(table, folder, sink, [&o] { o.ended = true; });
         o.said = sink.messages;
         return o;
       },
       [](const TOutcome &o) {
         return o.ended && o.said.size() == 1 && o.said[0].kind == TMsgKind::Error &&
                o.said[0].text == "Error writing spiral fittings price file, Fittings.ini";
       }});
  return writers;
}

std::string Listing(const std::string &folder) {
  std::set<std::string> names;
  std::error_code ec;
  for (const auto &entry : fs::directory_iterator(folder, ec))
    names.insert(entry.path().filename().string());
  std::string out;
  for (const std::string &n : names)
    out += (out.empty() ? "" : " ") + n;
  return out;
}

// The checks after a failed save, as a list of what is wrong ("" when
// nothing is): run where the folder can be seen (in the child when the
// folder is a mount of its own).
std::string AfterFailure(const TWriter &w, const TOutcome &o, const std::string &folder,
                         const std::string &expectedListing, bool oldFileThere = true) {
  std::string problems;
  if (o.saved)
    problems += "the save reported success; ";
  if (!w.toldFailure(o))
    problems += "the user was not told as promised (" +
                (o.said.empty() ? std::string("nothing") : o.said.back().text) + "); ";
  if (oldFileThere && GetFile(folder + w.fileName) != w.oldBytes)
    problems += "the old file changed; ";
  if (Listing(folder) != expectedListing)
    problems += "the folder holds [" + Listing(folder) + "]; ";
  return problems;
}

class WriterFaultTest : public ::testing::Test {
protected:
  void TearDown() override { SetWriteFaultHook(nullptr); }

  // A folder holding the writer's old file, owned by the unprivileged user
  // so permission bits hold in a child that dropped to it.
  std::string Prepare(const TWriter &w) {
    PutFile(temp.File(w.fileName), w.oldBytes);
    if (::geteuid() == 0) {
      EXPECT_EQ(::chown(temp.File("").c_str(), test::kNobody, test::kNobody), 0);
      EXPECT_EQ(::chown(temp.File(w.fileName).c_str(), test::kNobody, test::kNobody), 0);
    }
    ::chmod(temp.File("").c_str(), 0755);
    return temp.Dir();
  }

  test::TempFolder temp;
};

TEST_F(WriterFaultTest, MissingFolder) {
  for (const TWriter &w : Writers()) {
    const std::string folder = temp.Dir();
    const TOutcome o = w.save(folder + "missing/");
    EXPECT_EQ(AfterFailure(w, o, folder, "", false), "") << w.name;
  }
}

TEST_F(WriterFaultTest, TargetIsAFolder) {
  for (const TWriter &w : Writers()) {
    test::TempFolder own;
    fs::create_directory(own.File(w.fileName));
    PutFile(own.File(w.fileName) + "/inside", "x");
    const TOutcome o = w.save(own.Dir());
    std::string problems = AfterFailure(w, o, own.Dir(), w.fileName, false);
    if (GetFile(own.File(w.fileName) + "/inside") != "x")
      problems += "the folder's contents changed";
    EXPECT_EQ(problems, "") << w.name;
  }
}

TEST_F(WriterFaultTest, ReadOnlyFolderAndReadOnlyFile) {
  for (const bool folderReadOnly : {true, false}) {
    for (const TWriter &w : Writers()) {
      test::TempFolder own;
      PutFile(own.File(w.fileName), w.oldBytes);
      if (::geteuid() == 0) {
        ASSERT_EQ(::chown(own.File("").c_str(), test::kNobody, test::kNobody), 0);
        ASSERT_EQ(::chown(own.File(w.fileName).c_str(), test::kNobody, test::kNobody), 0);
      }
      ::chmod(own.File(w.fileName).c_str(), folderReadOnly ? 0644 : 0444);
      ::chmod(own.File("").c_str(), folderReadOnly ? 0555 : 0755);
      const std::string result = test::InChild([&] {
        if (!test::DropPrivileges())
          return std::string("skip: cannot become an unprivileged user");
        const TOutcome o = w.save(own.Dir());
        return AfterFailure(w, o, own.Dir(), w.fileName);
      });
      ::chmod(own.File("").c_str(), 0755);
      if (result.starts_with("skip:"))
        GTEST_SKIP() << result;
      EXPECT_EQ(result, "") << w.name
                            << (folderReadOnly ? " in a read-only folder"
                                               : " over a read-only file");
    }
  }
}

TEST_F(WriterFaultTest, DiskFullAtTheFirstByte) {
  for (const TWriter &w : Writers()) {
    const std::string folder = Prepare(w);
    SetWriteFaultHook([](std::string_view, std::size_t, std::size_t) { return false; });
    const TOutcome o = w.save(folder);
    SetWriteFaultHook(nullptr);
    EXPECT_EQ(AfterFailure(w, o, folder, w.fileName), "") << w.name;
    fs::remove(temp.File(w.fileName));
  }
}

TEST_F(WriterFaultTest, RealDiskThatIsFull) {
  for (const TWriter &w : Writers()) {
    const std::string result = test::InChild([&] {
      std::string why;
      if (!test::MountTinyDisk(temp.File(""), 64, why))
        return "skip: " + why;
      PutFile(temp.File(w.fileName), w.oldBytes);
      test::FillDisk(temp.File(""));
      const TOutcome o = w.save(temp.Dir());
      return AfterFailure(w, o, temp.Dir(), w.fileName + " filler");
    });
    if (result.starts_with("skip:"))
      GTEST_SKIP() << result;
    EXPECT_EQ(result, "") << w.name;
  }
}

// Makes every file in the folder look two minutes old, as a leftover of an
// earlier run of the program would.
void AgeFiles(const std::string &folder) {
  const timeval past[2] = {{::time(nullptr) - 120, 0}, {::time(nullptr) - 120, 0}};
  for (const auto &entry : fs::directory_iterator(folder))
    ::utimes(entry.path().c_str(), past);
}

TEST_F(WriterFaultTest, KilledWhileWritingOrBeforeTheRename) {
  for (const int way : {test::kKilledWhileWriting, test::kKilledBeforeRename}) {
    for (const TWriter &w : Writers()) {
      test::TempFolder own;
      PutFile(own.File(w.fileName), w.oldBytes);
      const std::string result = test::InChild([&] {
        if (way == test::kKilledWhileWriting)
          SetWriteFaultHook([](std::string_view, std::size_t, std::size_t) -> bool {
            ::_exit(test::kKilledWhileWriting);
          });
        else
          test::KillAtNextRename(true);
        w.save(own.Dir());
        return std::string("the save was not interrupted");
      });
      const std::string what =
          std::string(w.name) + (way == test::kKilledWhileWriting ? " killed while writing"
                                                                  : " killed before the rename");
      EXPECT_EQ(result, "exit " + std::to_string(way)) << what;
      EXPECT_EQ(GetFile(own.File(w.fileName)), w.oldBytes) << what;

      // The next save of the same file succeeds and clears the leftover.
      AgeFiles(own.File(""));
      const TOutcome again = w.save(own.Dir());
      EXPECT_TRUE(again.saved && again.said.empty()) << what;
      EXPECT_NE(GetFile(own.File(w.fileName)), w.oldBytes) << what;
      EXPECT_EQ(Listing(own.File("")), w.fileName) << what;
    }
  }
}

// A temporary file whose save is still under way is never taken for a
// leftover, however old it looks.
TEST_F(WriterFaultTest, ATemporaryFileInUseIsLeftAlone) {
  const std::string target = temp.File("Default.cst");
  const std::string busy = target + ".tmp-abc123";
  PutFile(busy, "in progress");
  AgeFiles(temp.File(""));
  const int fd = ::open(busy.c_str(), O_RDONLY);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::flock(fd, LOCK_EX), 0);
  // Held by another open file description: a second flock from this process
  // sees it taken, as another process would.
  EXPECT_TRUE(AtomicWriteFile(target, "new"));
  EXPECT_TRUE(fs::exists(busy));
  ::close(fd);
  PutFile(temp.File("Default.cst.tmp-notours"), "x");
  PutFile(temp.File("Other.cst.tmp-abc123"), "x");
  AgeFiles(temp.File(""));
  EXPECT_TRUE(AtomicWriteFile(target, "newer"));
  EXPECT_FALSE(fs::exists(busy));
  EXPECT_EQ(Listing(temp.File("")), "Default.cst Default.cst.tmp-notours Other.cst.tmp-abc123");
}

} // namespace
} // namespace korvane
