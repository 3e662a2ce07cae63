// JSON and CSV values as korvane-price writes them.
#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <utility>

#include "base/JsonText.h"

namespace korvane::test {
namespace {

TEST(JsonText, StringsAreEscapedAndUtf8PassesThrough) {
  std::string out;
  AppendJsonString(out, "a\"b\\c\r\n\t\x01 90° m²");
  EXPECT_EQ(out, "\"a\\\"b\\\\c\\r\\n\\t\\u0001 90° m²\"");
  out.clear();
  AppendJsonNumber(out, 0.1 + 0.2);
  out += ' ';
  AppendJsonNumber(out, 600);
  out += ' ';
  AppendJsonNumber(out, 1.0 / 0.0);
  EXPECT_EQ(out, "0.30000000000000004 600 null");
  out.clear();
  AppendCsvField(out, "R1,234.00  [\"x\"]");
  EXPECT_EQ(out, "\"R1,234.00  [\"\"x\"\"]\"");
}

// A CSV field is quoted exactly when it holds a comma, a quote or a line
// break, wherever it lies in a field of any length.
TEST(JsonText, CsvFieldsAreQuotedWhenTheyMustBe) {
  for (std::size_t length : {1u, 7u, 15u, 16u, 17u, 31u, 33u, 40u}) {
    for (char special : {',', '"', '\r', '\n', ';', 'x'}) {
      for (std::size_t at = 0; at < length; ++at) {
        std::string text(length, 'a');
        text[at] = special;
        std::string out;
        AppendCsvField(out, text);
        const bool quoted = special != ';' && special != 'x';
        std::string expected = text;
        if (special == '"')
          expected.insert(at, 1, '"');
        if (quoted)
          expected = '"' + expected + '"';
        ASSERT_EQ(out, expected) << length << ' ' << at << ' ' << int(special);
      }
    }
  }
}

// Random bit patterns over every magnitude, the products and quotients a
// price is made of, decimals of every length, and the neighbours of each
// (where 16 and 17 digits part): every number text reads back as the very
// same double, and holds nothing JSON would refuse.
TEST(JsonText, NumbersReadBackAsTheSameDouble) {
  std::mt19937_64 rng(11);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  std::uniform_int_distribution<int> exponent(-9, 16);
  std::uniform_int_distribution<int> digits(1, 17);
  const auto check = [](double value) {
    std::string out;
    AppendJsonNumber(out, value);
    double back = 0;
    const auto res = std::from_chars(out.data(), out.data() + out.size(), back);
    ASSERT_EQ(res.ptr, out.data() + out.size()) << out;
    ASSERT_EQ(back, value) << out;
    ASSERT_EQ(out.find_first_not_of("0123456789.-e+"), std::string::npos) << out;
  };
  for (double v : {0.6, 2.4, -0.5, 0.05, 1234.5678, 443.5756, 1e-5, 0.1 + 0.2, 1e300, -7.25, 0.0001,
                   99999999999.9, 1.0 / 3, 123456.789, 5e-324, 3e15, -0.0,
                   std::numeric_limits<double>::max(), std::numeric_limits<double>::min()})
    check(v);
  for (int i = 0; i < 400000; ++i) {
    double v = 0;
    switch (i % 4) {
    case 0:
      v = (1 + unit(rng)) * std::pow(10.0, exponent(rng));
      break;
    case 1: {
      const int n = digits(rng);
      const auto whole = static_cast<double>(rng() % static_cast<std::uint64_t>(std::pow(10.0, n)));
      v = whole / std::pow(10.0, exponent(rng) + 9);
      break;
    }
    case 2:
      v = (unit(rng) * 2400) * (unit(rng) * 2400) * 1.23e-4 / (1 + unit(rng));
      break;
    default:
      v = std::bit_cast<double>((std::uint64_t{0x3C0} << 52) +
                                rng() % (std::uint64_t{0x100} << 52));
      break;
    }
    for (double w : {v, std::nextafter(v, 0.0), std::nextafter(v, 1e300), -v})
      check(w);
    if (HasFatalFailure())
      return;
  }
}

// The forms a number takes, pinned: whole numbers from zero up as integers,
// values of up to four decimals as that decimal (negative whole numbers too,
// with ".0", negative zero as "0.0"), the rest in the shortest form the
// library writes.
TEST(JsonText, NumberFormsStayAsTheyWere) {
  const std::pair<double, const char *> cases[] = {{0, "0"},
                                                   {-0.0, "0.0"},
                                                   {1570, "1570"},
                                                   {1e6, "1000000"},
                                                   {-5, "-5.0"},
                                                   {9.3, "9.3"},
                                                   {-0.25, "-0.25"},
                                                   {0.0001, "0.0001"},
                                                   {0.00005, "5e-05"},
                                                   {65.3418, "65.3418"},
                                                   {1e15, "1e+15"},
                                                   {999999999999999, "999999999999999"},
                                                   {1.0 / 0.0, "null"},
                                                   {13195.584500848001, "13195.584500848001"},
                                                   {2.465822222222222, "2.465822222222222"}};
  for (const auto &[value, text] : cases) {
    std::string out;
    AppendJsonNumber(out, value);
    EXPECT_EQ(out, text) << value;
  }
}

// Every byte value at every position, next to a quote, comes out as the
// byte-by-byte rule says.
TEST(JsonText, EscapingMatchesTheByteRuleEverywhere) {
  const auto reference = [](std::string_view text) {
    std::string out;
    for (unsigned char c : text) {
      char buf[8];
      if (c == '"' || c == '\\') {
        out += '\\';
        out += static_cast<char>(c);
      } else if (c == '\n') {
        out += "\\n";
      } else if (c == '\r') {
        out += "\\r";
      } else if (c == '\t') {
        out += "\\t";
      } else if (c < 0x20) {
        std::snprintf(buf, sizeof buf, "\\u%04x", c);
        out += buf;
      } else {
        out += static_cast<char>(c);
      }
    }
    return out;
  };
  // The byte at every place, and a second special byte after it.
  for (std::size_t length : {5u, 8u, 13u, 19u, 27u, 40u}) {
    for (int value = 0; value < 256; ++value) {
      for (std::size_t at = 0; at < length; ++at) {
        std::string text(length, 'a');
        text[at] = static_cast<char>(value);
        text[(at * 7 + 3) % length] = '"';
        std::string out;
        AppendJsonEscaped(out, text);
        ASSERT_EQ(out, reference(text)) << value << " at " << at << " of " << length;
      }
    }
  }
}

} // namespace
} // namespace korvane::test
