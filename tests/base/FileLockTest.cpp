#include "base/FileLock.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace korvane {
namespace {

namespace fs = std::filesystem;

TEST(FileLock, OneHolderAtATimeAndALeftFileIsFree) {
  const fs::path dir = fs::temp_directory_path() / ("korvane-lock-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const std::string path = (dir / "run.lock").string();
  using T = TFileLock::TTry;

  TFileLock first, second;
  ASSERT_EQ(first.TryLock(path, false), T::Taken);
  EXPECT_EQ(second.TryLock(path, false), T::HeldElsewhere);
  EXPECT_FALSE(second.Held());

  // A moved lock is still held, by its new owner alone.
  TFileLock moved = std::move(first);
  EXPECT_FALSE(first.Held());
  EXPECT_EQ(second.TryLock(path, false), T::HeldElsewhere);
  moved.Release();
  EXPECT_TRUE(fs::exists(path)) << "a lock let go keeps its file unless asked";
  EXPECT_EQ(second.TryLock(path, true), T::Taken) << "a file left behind is no lock";
  second.Release();
  EXPECT_FALSE(fs::exists(path));

  // The file names its holder, whatever a longer text left before.
  std::ofstream(path) << std::string(100, 'x');
  ASSERT_EQ(first.TryLock(path, false), T::Taken);
  std::ifstream text(path);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(text), {}),
            std::to_string(::getpid()) + '\n' +
                fs::read_symlink("/proc/self/exe").filename().string() + "\n\n");
  first.Release();

  std::string why;
  EXPECT_EQ(first.TryLock((dir / "missing" / "x.lock").string(), false, &why), T::Failed);
  EXPECT_FALSE(why.empty());
  fs::remove_all(dir);
}

} // namespace
} // namespace korvane
