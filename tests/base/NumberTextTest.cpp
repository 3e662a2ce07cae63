#include "base/NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>

namespace korvane {
namespace {

struct TFixedCase {
  double value;
  int decimals;
  bool thousands;
  const char *expected;
};

TEST(FormatFixed, RoundsTheFifteenDigitFormHalfAwayFromZero) {
  const TFixedCase cases[] = {
      {2.625, 2, false, "2.63"},      // exactly representable tie: printf gives 2.62
      {1.005, 2, false, "1.01"},      // binary value lies below the tie: printf gives 1.00
      {0.125, 2, false, "0.13"},      //
      {-2.625, 2, false, "-2.63"},    //
      {-1.005, 2, false, "-1.01"},    //
      {2.5, 0, false, "3"},           //
      {-0.5, 0, false, "-1"},         //
      {0.1 + 0.2, 2, false, "0.30"},  //
      {2.675, 2, false, "2.68"},      //
      {1.45, 1, false, "1.5"},        //
      {0.0005, 3, false, "0.001"},    //
      {0.0004999, 3, false, "0.000"}, //
      {9.9996, 3, false, "10.000"},   // carry out of the first digit
      {0.96, 1, false, "1.0"},        //
      {0.6, 0, false, "1"},           //
      {0.04, 1, false, "0.0"},        //
      {0.05, 1, false, "0.1"},        //
      {600, 0, false, "600"},         //
      {2.4, 3, false, "2.400"},       //
      {0, 2, false, "0.00"},          //
      {1e-20, 2, false, "0.00"},      //
      {123456789012345678.0, 0, false, "123456789012346000"}, // beyond 15 digits: zeros
      {1.5e-7, 8, false, "0.00000015"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(FormatFixed(c.value, c.decimals, c.thousands), c.expected)
        << c.value << " with " << c.decimals;
}

TEST(FormatFixed, GroupsThousands) {
  const TFixedCase cases[] = {
      {1234567.891, 2, true, "1,234,567.89"}, {999.995, 2, true, "1,000.00"},
      {999.994, 2, true, "999.99"},           {-1234.5, 1, true, "-1,234.5"},
      {100000, 0, true, "100,000"},           {12, 0, true, "12"},
      {-999999.5, 0, true, "-1,000,000"},     {0.5, 2, true, "0.50"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(FormatFixed(c.value, c.decimals, c.thousands), c.expected) << c.value;
}

TEST(FormatFixed, NeverShowsNegativeZero) {
  EXPECT_EQ(FormatFixed(-0.0, 2), "0.00");
  EXPECT_EQ(FormatFixed(-0.004, 2), "0.00");
  EXPECT_EQ(FormatFixed(-0.4, 0), "0");
  EXPECT_EQ(FormatFixed(-0.005, 2), "-0.01");
}

TEST(FormatFixed, NonFiniteValuesDoNotCrash) {
  EXPECT_EQ(FormatFixed(std::numeric_limits<double>::quiet_NaN(), 2), "nan");
  EXPECT_EQ(FormatFixed(-std::numeric_limits<double>::infinity(), 2), "-inf");
  EXPECT_EQ(FormatFixed(std::numeric_limits<double>::max(), 2, true).size(), 309u + 102u + 3u);
}

TEST(FormatGeneral, ShortestFormUpToFifteenDigits) {
  const std::pair<double, const char *> cases[] = {
      {600, "600"},
      {2.4, "2.4"},
      {0, "0"},
      {-0.0, "0"},
      {0.1 + 0.2, "0.3"},
      {1e-5, "1e-05"},
      {0.0001, "0.0001"},
      {1.5e20, "1.5e+20"},
      {1e15, "1e+15"},
      {123456789012345.0, "123456789012345"},
      {-2.5, "-2.5"},
      {1.0 / 3.0, "0.333333333333333"},
      {2.0 / 3.0, "0.666666666666667"},
      {1e-300, "1e-300"},
      {5e-324, "4.94065645841247e-324"},
  };
  for (const auto &[value, expected] : cases)
    EXPECT_EQ(FormatGeneral(value), expected);
}

TEST(FormatGeneral, ReadsBackToTheSameFifteenDigits) {
  for (double v : {0.1, 2.4, 1234.5678, 1e-7, 6.02214076e23, 0.3}) {
    double back = 0;
    ASSERT_TRUE(ReadNumber(FormatGeneral(v), back));
    EXPECT_EQ(FormatGeneral(back), FormatGeneral(v));
    EXPECT_NEAR(back, v, std::fabs(v) * 1e-14);
  }
}

// The fast and the general digit paths must agree with the C library's
// correctly rounded %.15g (the tests run in the "C" locale) everywhere,
// including the values that sit next to a rounding tie.
TEST(FormatGeneral, MatchesPrintfOverManyMagnitudes) {
  std::mt19937_64 rng(2024);
  std::uniform_real_distribution<double> mantissa(1.0, 10.0);
  std::uniform_int_distribution<int> exponent(-12, 40);
  char expected[64];
  for (int i = 0; i < 200000; ++i) {
    const double m = mantissa(rng);
    const int e = exponent(rng);
    double v = m * std::pow(10.0, e);
    if (i % 4 == 0) // as near as a double gets to a tie in the 16th digit
      v = (std::floor(m * 1e14) + 0.5) * std::pow(10.0, e - 14);
    if (i % 2)
      v = -v;
    std::snprintf(expected, sizeof expected, "%.15g", v);
    ASSERT_EQ(FormatGeneral(v), expected) << i;
  }
}

// Found by fuzzing: the 15-digit forms of the values just below the largest
// double rounded above it, so a saved price or size no longer read back.
TEST(FormatGeneral, LargestValuesReadBack) {
  for (double x : {1.7976931348623157e308, 1.7976931348623153e308, -1.7976931348623157e308}) {
    double back = 0;
    EXPECT_TRUE(ReadNumber(FormatGeneral(x), back)) << FormatGeneral(x);
    EXPECT_TRUE(ReadNumber(FormatFixed(x, 2), back)) << x;
  }
  EXPECT_EQ(FormatGeneral(1.7976931348623157e308), "1.79769313486231e+308");
  EXPECT_EQ(FormatGeneral(1.79769313486231e308), "1.79769313486231e+308");
  EXPECT_EQ(FormatGeneral(1.7976931348623e308), "1.7976931348623e+308");
}

TEST(ReadNumber, AcceptsTheNumberForms) {
  const std::pair<const char *, double> cases[] = {
      {"0", 0},
      {"600", 600},
      {"-2.5", -2.5},
      {"+2.5", 2.5},
      {"2.", 2},
      {".5", 0.5},
      {"-.5", -0.5},
      {"1e3", 1000},
      {"1E3", 1000},
      {"1.5e-2", 0.015},
      {"1.5E+2", 150},
      {"  42  ", 42},
      {"\t7\t", 7},
      {"007", 7},
      {"1e-400", 0},
      {"-1e-400", -0.0},
      {"0e999", 0},
      {"0.000", 0},
      {"1.7976931348623157e308", 1.7976931348623157e308},
  };
  for (const auto &[text, expected] : cases) {
    double out = -99;
    EXPECT_TRUE(ReadNumber(text, out)) << text;
    EXPECT_EQ(out, expected) << text;
  }
}

TEST(ReadNumber, RejectsEverythingElseAndLeavesTheValue) {
  const char *cases[] = {"",
                         " ",
                         ".",
                         "-",
                         "+",
                         "e3",
                         "1e",
                         "1e+",
                         "1.2.3",
                         "1,000",
                         "0x10",
                         "nan",
                         "NaN",
                         "inf",
                         "-inf",
                         "1 2",
                         "--1",
                         "+-1",
                         "1-",
                         "1e3.5",
                         "abc",
                         "12abc",
                         "1e400",
                         "- 1",
                         "1d3",
                         "١",
                         "1\n",
                         "Infinity",
                         "2e99999999999999999999"};
  for (const char *text : cases) {
    double out = 123;
    EXPECT_FALSE(ReadNumber(text, out)) << '"' << text << '"';
    EXPECT_EQ(out, 123) << text;
  }
  double out = 123;
  EXPECT_FALSE(ReadNumber(std::string_view("1\0", 2), out));
}

// FormatFixed's rule spelled out independently: the C library's correctly
// rounded 15 significant digits, then half up on that digit string.
std::string FixedByDigitString(double v, int decimals, bool thousands) {
  char sci[64];
  std::snprintf(sci, sizeof sci, "%.14e", v);
  const bool negative = sci[0] == '-';
  std::string digits;
  const char *p = sci + (negative ? 1 : 0);
  for (; *p != 'e'; ++p)
    if (*p != '.')
      digits += *p;
  int exp = std::atoi(p + 1);
  // Place of each digit: digits[i] stands at 10^(exp - i); keep down to 10^-decimals.
  const int keep = exp + decimals + 1;
  if (keep < 0) {
    digits.assign(1, '0');
  } else if (keep < static_cast<int>(digits.size())) {
    const bool up = digits[static_cast<std::size_t>(keep)] >= '5';
    digits.resize(static_cast<std::size_t>(keep));
    int i = keep - 1;
    for (; up && i >= 0 && digits[static_cast<std::size_t>(i)] == '9'; --i)
      digits[static_cast<std::size_t>(i)] = '0';
    if (up && i >= 0)
      ++digits[static_cast<std::size_t>(i)];
    if (up && i < 0) {
      digits.insert(digits.begin(), '1');
      ++exp;
    }
  }
  const auto at = [&](int place) { // digit at 10^place
    const int i = exp - place;
    return i >= 0 && i < static_cast<int>(digits.size()) ? digits[static_cast<std::size_t>(i)]
                                                         : '0';
  };
  std::string body;
  for (int place = std::max(exp, 0); place >= 0; --place) {
    if (thousands && place % 3 == 2 && place < exp && !body.empty())
      body += ',';
    body += at(place);
  }
  if (decimals > 0)
    body += '.';
  for (int place = -1; place >= -decimals; --place)
    body += at(place);
  const bool zero = body.find_first_not_of("0.,") == std::string::npos;
  if (negative && !zero)
    body.insert(body.begin(), '-');
  return body;
}

// Every magnitude a report shows, the whole numbers typed into the grid, and
// the values that sit on or next to a tie of the 15th digit or of the last
// decimal kept.
TEST(FormatFixed, MatchesTheDigitStringRuleOverManyValues) {
  std::mt19937_64 rng(77);
  std::uniform_real_distribution<double> mantissa(1.0, 10.0);
  std::uniform_int_distribution<int> exponent(-10, 17);
  std::uniform_int_distribution<int> places(0, 6);
  for (int i = 0; i < 300000; ++i) {
    const double m = mantissa(rng);
    const int e = exponent(rng);
    const int decimals = places(rng);
    double v = m * std::pow(10.0, e);
    switch (i % 6) {
    case 1: // a tie of the 16th digit, as near as a double gets
      v = (std::floor(m * 1e14) + 0.5) * std::pow(10.0, e - 14);
      break;
    case 2: // a whole number
      v = std::floor(v);
      break;
    case 3: // a tie of the last decimal kept, or a few ulps either side
      v = (std::floor(v * std::pow(10.0, decimals)) + 0.5) / std::pow(10.0, decimals);
      for (int k = i % 7 - 3; k != 0; k += k > 0 ? -1 : 1)
        v = std::nextafter(v, k > 0 ? 1e300 : 0.0);
      break;
    case 4: // a typed size with a few decimals
      v = std::round(m * 1000) / std::pow(10.0, 1 + i % 4);
      break;
    default:
      break;
    }
    if (i % 2)
      v = -v;
    const bool thousands = i % 3 == 0;
    ASSERT_EQ(FormatFixed(v, decimals, thousands), FixedByDigitString(v, decimals, thousands))
        << std::hexfloat << v << " at " << decimals;
  }
}

// The reader's shortcut for short decimals must find the very double the
// C library's correctly rounded conversion finds.
TEST(ReadNumber, MatchesStrtodOnShortAndLongDecimals) {
  std::mt19937_64 rng(5);
  std::uniform_int_distribution<int> digitCount(1, 18);
  std::uniform_int_distribution<int> digit(0, 9);
  std::uniform_int_distribution<int> exponent(-30, 30);
  for (int i = 0; i < 200000; ++i) {
    std::string text = i % 5 == 0 ? "-" : "";
    const int n = digitCount(rng);
    const int point = i % 3 == 0 ? -1 : std::uniform_int_distribution<int>(0, n)(rng);
    for (int k = 0; k < n; ++k) {
      if (k == point)
        text += '.';
      text += static_cast<char>('0' + digit(rng));
    }
    if (i % 4 == 0) {
      text += 'e';
      text += std::to_string(exponent(rng));
    }
    double out = 0;
    ASSERT_TRUE(ReadNumber(text, out)) << text;
    const double expected = std::strtod(text.c_str(), nullptr);
    ASSERT_EQ(out, expected) << text;
    ASSERT_EQ(std::signbit(out), std::signbit(expected)) << text;
  }
}
} // namespace
} // namespace korvane
