#include "tools/ShortestDouble.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

namespace korvane {
namespace {

std::string Library(double value) {
  char buf[32];
  return std::string(buf, std::to_chars(buf, buf + sizeof buf, value).ptr);
}

std::string Ours(double value) {
  char buf[32];
  return std::string(buf, WriteShortestDouble(buf, value));
}

TEST(ShortestDouble, SpecialValuesAndFormsAsTheLibraryWritesThem) {
  const double cases[] = {0.0,
                          -0.0,
                          1.0,
                          0.5,
                          0.1 + 0.2,
                          13195.584500848001,
                          2.465822222222222,
                          0.0001,
                          0.00012345,
                          1e-7,
                          1.5e-7,
                          9.999999999999999e14,
                          1e15,
                          123456789012.5,
                          1e21,
                          5e-324,
                          std::numeric_limits<double>::max(),
                          std::numeric_limits<double>::min(),
                          std::numeric_limits<double>::infinity(),
                          -std::numeric_limits<double>::infinity(),
                          std::numeric_limits<double>::quiet_NaN()};
  for (double v : cases) {
    EXPECT_EQ(Ours(v), Library(v)) << v;
    EXPECT_EQ(Ours(-v), Library(-v)) << -v;
  }
}

// Random bit patterns over every magnitude the fast path takes and beyond,
// the products and quotients a price is made of, decimals of every length,
// and the neighbours of each (where 16 and 17 digits part).
TEST(ShortestDouble, MatchesTheLibraryOverManyValues) {
  std::mt19937_64 rng(11);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  std::uniform_int_distribution<int> exponent(-9, 16);
  std::uniform_int_distribution<int> digits(1, 17);
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
      ASSERT_EQ(Ours(w), Library(w)) << std::hexfloat << w;
  }
}

} // namespace
} // namespace korvane
