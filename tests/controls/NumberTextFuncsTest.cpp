#include <gtest/gtest.h>

#include "base/Format.h"
#include "base/NumberText.h"
#include "controls/NumberTextFuncs.h"

namespace korvane {
namespace {

TEST(CleanNumText, TurnsTypedTextIntoReadableNumbers) {
  const struct {
    const char *typed;
    const char *clean;
  } cases[] = {
      {"1 2.5", "12.5"},  {" 12.5 ", "12.5"},
      {"--3", "-3"},      {"3-4", "34"},
      {"1.2.3", "1.2"},   {"e5", "1E5"},
      {"-e5", "-E5"},     {"", "0"},
      {"-", "0"},         {"  ", "0"},
      {"1e-5", "1E-5"},   {"1E--5", "1E-5"},
      {"1e5e6", "1E56"},  {"1E-500", "1E-5"},
      {"2E999", "2E99"},  {"1E+500", "1E+5"},
      {"1E300", "1E300"}, {"1E2.5", "1E25"},
      {"1E", "1E"},       {"12/ 3/4", "12/34"},
      {"/", "0/0"},       {"1.5.5/-2.2.2", "1.5/-2.2"},
      {"abc", "abc"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(CleanNumText(c.typed), c.clean) << '"' << c.typed << '"';
}

TEST(SplitPair, ReadsOneOrTwoNumbers) {
  double a = 99.0, b = 99.0;
  EXPECT_TRUE(SplitPair("20/3", a, b));
  EXPECT_EQ(a, 20.0);
  EXPECT_EQ(b, 3.0);

  a = b = 99.0;
  EXPECT_FALSE(SplitPair(" 7.5 ", a, b));
  EXPECT_EQ(a, 7.5);
  EXPECT_EQ(b, 99.0); // a single number leaves the second alone

  for (const char *bad : {"a/3", "3/", "1/2/3", "x", "", "12,5"}) {
    a = b = 99.0;
    EXPECT_THROW(SplitPair(bad, a, b), ENumTextError) << bad;
    EXPECT_EQ(a, 99.0) << bad;
    EXPECT_EQ(b, 99.0) << bad;
  }
}

TEST(FormatTests, LookForLettersAnywhere) {
  const struct {
    const char *f;
    bool str, integer, exp, flt, pair;
    int decimals;
  } cases[] = {
      {"%0.0f", false, false, false, true, false, 0},
      {"%0.3f", false, false, false, true, false, 3},
      {"%0.04g", false, false, true, true, false, 0},
      {"%0.4G", false, false, true, true, false, 4},
      {"%d", false, true, false, false, false, 0},
      {"%s", true, false, false, false, false, 0},
      {"%S", true, false, false, false, false, 0},
      {"%0.1f/%0.2f", false, false, false, true, true, 1},
      {"enum", false, false, false, false, false, 0},
      {"check", false, false, false, false, false, 0},
      {"%0.f", false, false, false, true, false, 0},
      {"Diameter %0.1f", false, true, false, true, false, 1},
  };
  for (const auto &c : cases) {
    EXPECT_EQ(IsStrFormat(c.f), c.str) << c.f;
    EXPECT_EQ(IsIntFormat(c.f), c.integer) << c.f;
    EXPECT_EQ(IsExpFormat(c.f), c.exp) << c.f;
    EXPECT_EQ(IsFloatFormat(c.f), c.flt) << c.f;
    EXPECT_EQ(IsPairFormat(c.f), c.pair) << c.f;
    EXPECT_EQ(FormatDecimals(c.f), c.decimals) << c.f;
  }
}

TEST(AutoDecimals, FollowsTheWidthBeforeThePoint) {
  const struct {
    int sigDigs, maxDec;
    double x;
    int decimals;
  } cases[] = {
      {5, 12, 5.123, 3}, {5, 12, 0.5, 3},     {5, 12, 0.00123, 5},  {5, 12, 0.0, 3},
      {5, 12, 1e-13, 3}, {5, 12, 123.456, 2}, {5, 12, 123456.0, 0}, {5, 12, 12345.6, 0},
      {5, 12, -5.1, 3},  {5, 2, 0.00123, 2},  {3, 12, 45.6, 1},     {5, 12, 1e300, 0},
  };
  for (const auto &c : cases)
    EXPECT_EQ(AutoDecimals(c.sigDigs, c.maxDec, c.x), c.decimals) << c.x;
  EXPECT_EQ(AutoFormat(5, 0.00123), "%0.5f");
}

TEST(FormatNumber, AppliesTheFormatType) {
  using enum TFormatType;
  const struct {
    double x;
    const char *f;
    TFormatType type;
    const char *text;
  } cases[] = {
      {3.14159, "%0.1f", ft_Fixed, "3.1"},
      {3.14159, "%0.1f", ft_Manual, "3.1"},
      {3.14159, "%0.1f", ft_Auto, "3.142"},
      {123.456, "%0.0f", ft_Auto, "123.46"},
      {0.05, "%0.3f", ft_AutoOverride, "0.0500"}, // below 0.1: automatic
      {0.5, "%0.3f", ft_AutoOverride, "0.500"},
      {-12.3456, "%0.3f", ft_AutoOverride, "-12.35"}, // negatives always automatic
      {2.625, "%0.2f", ft_Fixed, "2.63"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(FormatNumber(c.x, c.f, c.type, 5, FormatDecimals(c.f)), c.text) << c.x << c.f;
  EXPECT_THROW(FormatNumber(1.0, "%d", ft_Fixed, 5, 0), EFormatError);
}

// The shortcuts (no cleaning for a plain decimal, no format parsing for a
// plain fixed format) must give exactly what the long way gives.
TEST(ReadNumText, ReadsWhatTheCleanedTextReads) {
  for (const char *typed : {"750", "-750", "1.200", "0.6", ".5", "5.", "-.5", "007", "1 200",
                            "1,200", "1e3", "--3", "", "-", "abc", "1.2.3", "12/3", "٣"}) {
    double viaClean = -1;
    double direct = -1;
    const bool readClean = ReadNumber(CleanNumText(typed), viaClean);
    EXPECT_EQ(ReadNumText(typed, direct), readClean) << '"' << typed << '"';
    EXPECT_EQ(direct, viaClean) << '"' << typed << '"';
  }
}

TEST(PlainFixedPrecision, OnlyALoneFixedConversion) {
  const std::pair<const char *, int> cases[] = {
      {"%0.3f", 3},   {"%.1F", 1},   {"%0.10f", 10}, {"%0.0f", 0},    {"%0.3fmm", -1},
      {"x%0.1f", -1}, {"%5.1f", -1}, {"%0.2n", -1},  {"%0.123f", -1}, {"%0.f", -1},
      {"%d", -1},     {"", -1},      {"%0.1g", -1},  {"%-0.2f", -1},
  };
  for (const auto &[format, precision] : cases)
    EXPECT_EQ(PlainFixedPrecision(format), precision) << format;
}

TEST(FormatNumber, PlainFixedFormatsMatchTheFormatter) {
  const char *formats[] = {"%0.0f", "%0.3f",   "%.2f",   "%0.1F",  "%0.10f", "%5.1f",
                           "%0.2n", "%0.0fmm", "x%0.1f", "%-0.2f", "%0.1g"};
  const double values[] = {0, -0.0, 600, 2.4, 2.625, 1.005, -0.0004, 1234567.891, 1e-9, 3e20};
  for (const char *f : formats)
    for (double x : values)
      EXPECT_EQ(FormatNumber(x, f, TFormatType::ft_Fixed, 5, FormatDecimals(f)),
                Format(f, {Variant(x)}))
          << f << ' ' << x;
}

} // namespace
} // namespace korvane
