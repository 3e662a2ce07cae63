#include "costs/MakerFolders.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(MakerFolders, FolderRule) {
  struct Case {
    const char *programDir;
    const char *programFiles;
    const char *maker;
  };
  const Case cases[] = {
      {"/opt/Tarnwell/Korvane/", "/opt/", "/opt/Tarnwell/"},
      {"/home/ann/build/stage/Tarnwell/Korvane/", "/opt/", "/home/ann/build/stage/Tarnwell/"},
      // Any case finds the marker; the maker's folder is always spelt "Tarnwell".
      {"/home/ann/tarnwell/Korvane/", "/opt/", "/home/ann/Tarnwell/"},
      {"/srv/TARNWELLSOFT/bin/", "/opt/", "/srv/Tarnwell/"},
      // The first occurrence counts.
      {"/a/TarnWell/b/Tarnwell/Korvane/", "/opt/", "/a/Tarnwell/"},
      // Text before the marker is kept byte for byte, UTF-8 included.
      {"/home/jos\xC3\xA9/Tarnwell/Korvane/", "/opt/", "/home/jos\xC3\xA9/Tarnwell/"},
      {"/usr/local/bin/", "/opt/", "/opt/Tarnwell/"},
      {"/usr/local/bin/", "/usr/local/", "/usr/local/Tarnwell/"},
      {"", "/opt/", "/opt/Tarnwell/"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.programDir);
    EXPECT_EQ(MakerFolder(c.programDir, c.programFiles), c.maker);
    EXPECT_EQ(SharedDataFolder(c.programDir, c.programFiles),
              std::string(c.maker) + "Common Files/");
  }
  EXPECT_EQ(SharedDataFolder("/usr/bin/"), "/opt/Tarnwell/Common Files/");
}

TEST(MakerFolders, RelativeNamesStartInTheProgramsFolder) {
  EXPECT_EQ(FromProgramDir("/opt/Tarnwell/Korvane/", kDefaultCostFile),
            "/opt/Tarnwell/Korvane/../Data Files/Default.cst");
  EXPECT_EQ(FromProgramDir("/opt/Tarnwell/Korvane", "Help/Korvane.htm"),
            "/opt/Tarnwell/Korvane/Help/Korvane.htm");
  EXPECT_EQ(FromProgramDir("/opt/Tarnwell/Korvane/", "/home/ann/a.cst"), "/home/ann/a.cst");
  EXPECT_EQ(FromProgramDir("/opt/Tarnwell/Korvane/", ""), "");
  EXPECT_EQ(FromProgramDir("", "a.cst"), "a.cst");
}

} // namespace
} // namespace korvane
