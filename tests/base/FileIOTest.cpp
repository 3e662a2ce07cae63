#include "base/FileIO.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/IniStore.h"

namespace korvane {
namespace {

namespace fs = std::filesystem;

class FileIOTest : public ::testing::Test {
protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("korvane-fileio-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    SetWriteFaultHook(nullptr);
    fs::remove_all(dir_);
  }
  std::string path(const char *name) const { return (dir_ / name).string(); }
  std::string read(const std::string &p) const {
    std::string out, error;
    EXPECT_TRUE(ReadFileBytes(p, out, &error)) << error;
    return out;
  }
  std::size_t entries() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), {}));
  }
  fs::path dir_;
};

TEST_F(FileIOTest, WritesAndReadsBackAnyBytes) {
  const std::string bytes("a\0b\r\n\xff", 6);
  std::string error;
  ASSERT_TRUE(AtomicWriteFile(path("f.bin"), bytes, &error)) << error;
  EXPECT_EQ(read(path("f.bin")), bytes);
  ASSERT_TRUE(AtomicWriteFile(path("f.bin"), "", &error)) << error;
  EXPECT_EQ(read(path("f.bin")), "");
  EXPECT_EQ(entries(), 1u);
  EXPECT_TRUE(FileExists(path("f.bin")));
  EXPECT_FALSE(FileExists(path("none")));
  EXPECT_FALSE(FileExists(dir_.string()));
}

TEST_F(FileIOTest, ReadFailuresSayWhy) {
  std::string out = "unchanged", error;
  bool missing = false;
  EXPECT_FALSE(ReadFileBytes(path("none"), out, &error, 100, &missing));
  EXPECT_TRUE(missing);
  EXPECT_EQ(error, "No such file or directory");
  EXPECT_FALSE(ReadFileBytes(dir_.string(), out, &error, 100, &missing));
  EXPECT_FALSE(missing);
  ASSERT_TRUE(AtomicWriteFile(path("big"), std::string(101, 'x')));
  EXPECT_FALSE(ReadFileBytes(path("big"), out, &error, 100));
  EXPECT_EQ(out, "unchanged");
  EXPECT_TRUE(ReadFileBytes(path("big"), out, &error, 101));
  EXPECT_EQ(out.size(), 101u);
}

TEST_F(FileIOTest, SpecialFilesAreRefusedWithoutHanging) {
  ASSERT_EQ(::mkfifo(path("pipe").c_str(), 0600), 0);
  std::string out, error;
  EXPECT_FALSE(ReadFileBytes(path("pipe"), out, &error));
  EXPECT_FALSE(AtomicWriteFile(path("pipe"), "x", &error));
  EXPECT_FALSE(AtomicWriteFile("", "x", &error));
  EXPECT_EQ(entries(), 1u);
}

TEST_F(FileIOTest, FailedWritesLeaveTheOldFileAndNoTemporary) {
  ASSERT_TRUE(AtomicWriteFile(path("keep.ini"), "old contents"));
  std::string error;
  EXPECT_FALSE(AtomicWriteFile(path("missing/folder.ini"), "x", &error));
  EXPECT_EQ(error, "No such file or directory");

  SetWriteFaultHook(
      [](std::string_view, std::size_t offset, std::size_t) { return offset < 65536; });
  EXPECT_FALSE(AtomicWriteFile(path("keep.ini"), std::string(200000, 'n'), &error));
  EXPECT_EQ(error, "No space left on device");
  SetWriteFaultHook([](std::string_view, std::size_t, std::size_t) { return false; });
  EXPECT_FALSE(AtomicWriteFile(path("keep.ini"), "", &error));
  SetWriteFaultHook(nullptr);

  fs::create_directory(dir_ / "adir");
  EXPECT_FALSE(AtomicWriteFile(path("adir"), "x", &error));
  EXPECT_TRUE(fs::is_directory(dir_ / "adir"));

  EXPECT_EQ(read(path("keep.ini")), "old contents");
  EXPECT_EQ(entries(), 2u); // keep.ini and adir: no temporaries left behind
}

TEST_F(FileIOTest, ReplacingKeepsPermissionsAndSymlinks) {
  ASSERT_TRUE(AtomicWriteFile(path("real"), "1"));
  fs::permissions(path("real"),
                  fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::create_symlink("real", dir_ / "link");
  ASSERT_TRUE(AtomicWriteFile(path("link"), "2"));
  EXPECT_TRUE(fs::is_symlink(dir_ / "link"));
  EXPECT_EQ(read(path("real")), "2");
  EXPECT_EQ(fs::status(path("real")).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

// A private file is the owner's alone from its first byte, whatever the umask
// allows or the file it replaces allowed.
TEST_F(FileIOTest, PrivateFilesAreTheOwnersAlone) {
  const mode_t oldMask = ::umask(0);
  const bool fresh = AtomicWritePrivateFile(path("fresh"), "1");
  ::umask(oldMask);
  ASSERT_TRUE(fresh);
  ASSERT_TRUE(AtomicWriteFile(path("shared"), "1"));
  fs::permissions(path("shared"), fs::perms::owner_read | fs::perms::owner_write |
                                      fs::perms::group_read | fs::perms::others_read);
  ASSERT_TRUE(AtomicWritePrivateFile(path("shared"), "2"));
  for (const char *name : {"fresh", "shared"})
    EXPECT_EQ(fs::status(path(name)).permissions(), fs::perms::owner_read | fs::perms::owner_write)
        << name;
  EXPECT_EQ(read(path("shared")), "2");
  EXPECT_EQ(entries(), 2u);
}

TEST_F(FileIOTest, IniStoreLoadsMissingAsEmptyAndSavesAtomically) {
  TIniStore ini;
  std::string error;
  ASSERT_TRUE(ini.LoadFile(path("items.kvd"), &error)) << error;
  EXPECT_TRUE(ini.Sections().empty());
  ini.Write("Taper", "Length", "1.8");
  ASSERT_TRUE(ini.SaveFile(path("items.kvd"), &error)) << error;
  EXPECT_EQ(read(path("items.kvd")), "[Taper]\r\nLength=1.8\r\n\r\n");
  EXPECT_FALSE(ini.LoadFile(dir_.string(), &error));
  ASSERT_TRUE(AtomicWriteFile(path("huge.kvd"), std::string(TIniStore::kMaxFileSize + 1, '\n')));
  EXPECT_FALSE(ini.LoadFile(path("huge.kvd"), &error));
  EXPECT_EQ(error, "File too large");
  EXPECT_EQ(ini.Read("Taper", "Length"), "1.8"); // a refused file changes nothing
}

} // namespace
} // namespace korvane
