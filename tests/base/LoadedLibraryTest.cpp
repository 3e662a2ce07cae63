#include "base/LoadedLibrary.h"

#include <gtest/gtest.h>

#include <cstring>

namespace korvane {
namespace {

TEST(LoadedLibrary, BindsWhatTheLibraryHasAndSaysWhyWhenItCannot) {
  TLoadedLibrary c("libc.so.6");
  ASSERT_TRUE(c.Loaded()) << c.Error();
  decltype(&std::strlen) length = nullptr;
  ASSERT_TRUE(c.Bind(length, "strlen"));
  EXPECT_EQ(length("duct"), 4u);
  EXPECT_TRUE(c.Error().empty());

  decltype(&std::strlen) none = length;
  EXPECT_FALSE(c.Bind(none, "korvane_no_such_function"));
  EXPECT_EQ(none, nullptr);
  EXPECT_EQ(c.Error().rfind("libc.so.6 has no korvane_no_such_function: ", 0), 0u) << c.Error();

  // A library that is not installed fails only what asks for it.
  TLoadedLibrary missing("libkorvane-missing.so.9");
  EXPECT_FALSE(missing.Loaded());
  EXPECT_EQ(missing.Error().rfind("libkorvane-missing.so.9 cannot be opened: ", 0), 0u);
  EXPECT_FALSE(missing.Bind(length, "strlen"));
  EXPECT_EQ(length, nullptr);
}

} // namespace
} // namespace korvane
