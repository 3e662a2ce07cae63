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
  EXPECT_NE(c.Error().find("korvane_no_such_function"), std::string::npos) << c.Error();

  // A library that is not installed fails only what asks for it.
  TLoadedLibrary missing("libkorvane-missing.so.9");
  EXPECT_FALSE(missing.Loaded());
  EXPECT_NE(missing.Error().find("libkorvane-missing.so.9"), std::string::npos) << missing.Error();
  EXPECT_FALSE(missing.Bind(length, "strlen"));
  EXPECT_EQ(length, nullptr);
}

struct TLength {
  decltype(&std::strlen) Length = nullptr;
};

bool BindLength(TLoadedLibrary &library, TLength &f) {
  return library.Bind(f.Length, "strlen");
}

TEST(LoadedLibrary, FunctionsAreBoundOnceForTheRun) {
  std::string error;
  const TLength *first = LibraryFunctions<TLength>("libc.so.6", BindLength, error);
  ASSERT_NE(first, nullptr) << error;
  EXPECT_EQ(first->Length("gauge"), 5u);
  EXPECT_EQ(LibraryFunctions<TLength>("libc.so.6", BindLength, error), first);
}

} // namespace
} // namespace korvane
