#include "base/UserFolders.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace korvane {
namespace {

TEST(UserFolders, XdgRuleTakesAbsoluteValuesOnly) {
  EXPECT_EQ(XdgBaseFolder("/srv/state", "/home/ann", "/.local/state"), "/srv/state/");
  EXPECT_EQ(XdgBaseFolder("/srv/state//", "/home/ann", "/.local/state"), "/srv/state/");
  // Unset, empty and relative values all fall back to the home folder.
  for (const char *value : {static_cast<const char *>(nullptr), "", "state", "./state"})
    EXPECT_EQ(XdgBaseFolder(value, "/home/ann", "/.local/state"), "/home/ann/.local/state/")
        << (value ? value : "(unset)");
}

// The folders follow the environment at every call, as the XDG rules and the
// tests that point them elsewhere need.
TEST(UserFolders, FoldersFollowTheEnvironment) {
  const auto saved = [](const char *name) {
    const char *v = std::getenv(name);
    return v ? std::optional<std::string>(v) : std::nullopt;
  };
  const auto restore = [](const char *name, const std::optional<std::string> &v) {
    if (v)
      ::setenv(name, v->c_str(), 1);
    else
      ::unsetenv(name);
  };
  const auto state = saved("XDG_STATE_HOME"), data = saved("XDG_DATA_HOME"), home = saved("HOME");
  ::setenv("XDG_STATE_HOME", "/tmp/st", 1);
  ::setenv("XDG_DATA_HOME", "/tmp/da", 1);
  EXPECT_EQ(TarnwellStateFolder(), "/tmp/st/Tarnwell/");
  EXPECT_EQ(UserDataFilesFolder(), "/tmp/da/Tarnwell/Data Files/");
  ::unsetenv("XDG_STATE_HOME");
  ::setenv("XDG_DATA_HOME", "relative", 1);
  ::setenv("HOME", "/home/ann", 1);
  EXPECT_EQ(TarnwellStateFolder(), "/home/ann/.local/state/Tarnwell/");
  EXPECT_EQ(UserDataFilesFolder(), "/home/ann/.local/share/Tarnwell/Data Files/");
  ::unsetenv("HOME");
  EXPECT_EQ(HomeFolder().front(), '/'); // from the account database
  restore("XDG_STATE_HOME", state);
  restore("XDG_DATA_HOME", data);
  restore("HOME", home);
}

} // namespace
} // namespace korvane
