#include "base/UserFolders.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(UserFolders, XdgRuleTakesAbsoluteValuesOnly) {
  EXPECT_EQ(XdgBaseFolder("/srv/state//", "/home/ann", "/.local/state"), "/srv/state/");
  // Unset, empty and relative values all fall back to the home folder.
  for (const char *value : {static_cast<const char *>(nullptr), "", "state", "./state"})
    EXPECT_EQ(XdgBaseFolder(value, "/home/ann", "/.local/state"), "/home/ann/.local/state/")
        << (value ? value : "(unset)");
  EXPECT_EQ(HomeFolder().front(), '/');
}

} // namespace
} // namespace korvane
