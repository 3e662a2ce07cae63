#include "base/Format.h"

#include <gtest/gtest.h>
#include <vector>

namespace korvane {
namespace {

struct TCase {
  const char *format;
  std::vector<Variant> args;
  const char *expected;
};

void ExpectAll(const std::vector<TCase> &cases, const TCurrencyFormat &currency = {}) {
  for (const auto &c : cases)
    EXPECT_EQ(Format(c.format, c.args, currency), c.expected) << c.format;
}

TEST(Format, ReportLines) {
  ExpectAll({
      {"%0.0fmm x %0.0fmm  %0.3fm", {600.0, 500.0, 2.4}, "600mm x 500mm  2.400m"},
      {"%0.0fmm  r=%0.0fmm  %0.0f°", {400.0, 200.0, 90.0}, "400mm  r=200mm  90°"},
      {"Gauge %0.1f mm", {0.6}, "Gauge 0.6 mm"},
      {"Area %0.2n m²", {1234.565}, "Area 1,234.57 m²"},
      {"Mass %0.1n kg", {12345.25}, "Mass 12,345.3 kg"},
      {"%0.1f R/m  %0.1f R/m²  %0.1f R/kg", {10.25, 3.35, -0.05}, "10.3 R/m  3.4 R/m²  -0.1 R/kg"},
      {"%s  %s  %s", {"Default.cst", "", ""}, "Default.cst    "},
      {"%d.%d.%d.%d", {1, 2, 2, 0}, "1.2.2.0"},
      {"100%% sure %s", {"yes"}, "100% sure yes"},
      {"no conversions", {}, "no conversions"},
      {"", {}, ""},
      {"%0.0f", {2400}, "2400"}, // an integer where a number is expected
  });
}

TEST(Format, LettersInEitherCase) {
  ExpectAll({
      {"%0.2F", {1.005}, "1.01"},
      {"%0.1N", {1234.25}, "1,234.3"},
      {"%S", {"x"}, "x"},
      {"%D", {-7}, "-7"},
      {"%0.4G", {12345.6}, "1.235e+04"},
      {"%M", {5.0}, "5.00"},
  });
}

TEST(Format, GeneralFourSignificantDigits) {
  ExpectAll({
      {"%0.4g", {0.6}, "0.6"},
      {"%0.4g", {12345.6}, "1.235e+04"},
      {"%0.04g", {12345.6}, "1.235e+04"},
      {"%0.4g", {1234.5}, "1235"},
      {"%0.4g", {9999.5}, "1e+04"}, // rounding carries into an exponent
      {"%0.4g", {9999.4}, "9999"},
      {"%0.4g", {0.00012345}, "0.0001235"},
      {"%0.4g", {0.000012345}, "1.235e-05"},
      {"%0.4g", {100.0}, "100"},
      {"%0.4g", {1e6}, "1e+06"},
      {"%0.4g", {0.0}, "0"},
      {"%0.4g", {-0.5}, "-0.5"},
      {"%0.4g", {2}, "2"},
      {"%0.0g", {2.5}, "3"}, // precision 0 counts as 1
      {"%g", {0.1 + 0.2}, "0.3"},
  });
}

TEST(Format, Money) {
  ExpectAll({{"%m", {1234.5}, "1,234.50"}, {"%m", {-0.001}, "0.00"}});
  ExpectAll({{"%m  [%0.1fmm  %0.1nm²  %0.1nkg]",
              {1234.567, 0.6, 12.34, 1234.56},
              "R1,234.57  [0.6mm  12.3m²  1,234.6kg]"},
             {"%m", {-5}, "-R5.00"},
             {"%0.0m", {2.5}, "R3"}},
            {"R", false, false, 2});
  ExpectAll({{"%m", {-12.0}, "-12.000 €"}, {"%m", {999.9995}, "1,000.000 €"}},
            {"€", true, true, 3});
  ExpectAll({{"%m", {7.0}, "$ 7"}}, {"$", false, true, 0});
}

TEST(Format, WidthAndPrecisionOfOtherConversions) {
  ExpectAll({
      {"[%5d]", {42}, "[   42]"},
      {"[%-5d]", {42}, "[42   ]"},
      {"[%05d]", {-42}, "[-0042]"},
      {"[%.3d]", {7}, "[007]"},
      {"[%6.2f]", {3.14159}, "[  3.14]"},
      {"[%4s]", {"²"}, "[   ²]"}, // width counts characters, not bytes
      {"[%.2s]", {"°C°"}, "[°C]"},
      {"[%s]", {Variant()}, "[]"},
  });
}

TEST(Format, WrongKindOrBadFormatThrows) {
  const std::vector<TCase> bad = {
      {"%d", {2.0}, ""},      {"%d", {"2"}, ""},   {"%d", {true}, ""}, {"%s", {2.0}, ""},
      {"%s", {2}, ""},        {"%s", {false}, ""}, {"%f", {"2"}, ""},  {"%0.2n", {Variant()}, ""},
      {"%m", {"1"}, ""},      {"%g", {true}, ""},  {"%f", {}, ""},     {"%f %f", {1.0}, ""},
      {"%", {1}, ""},         {"%0.", {1.0}, ""},  {"%q", {1}, ""},    {"%x", {1}, ""},
      {"%0.123f", {1.0}, ""}, {"%1000d", {1}, ""}, {"abc%", {}, ""},
  };
  for (const auto &c : bad)
    EXPECT_THROW(Format(c.format, c.args), EFormatError) << c.format;
}

TEST(Format, FormatToAppends) {
  std::string out = "Price ";
  const Variant args[] = {12.5};
  FormatTo(out, "%m", args, {"R", false, false, 2});
  EXPECT_EQ(out, "Price R12.50");
  EXPECT_THROW(FormatTo(out, " and %0.2f %d", args), EFormatError);
  EXPECT_EQ(out, "Price R12.50"); // no half-written conversion left behind
}

} // namespace
} // namespace korvane
