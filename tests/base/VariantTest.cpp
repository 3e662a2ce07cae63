#include "base/Variant.h"

#include <gtest/gtest.h>
#include <limits>

namespace korvane {
namespace {

TEST(Variant, ToIntRoundsHalvesToEven) {
  const std::pair<double, std::int32_t> cases[] = {
      {2.5, 2},
      {3.5, 4},
      {-2.5, -2},
      {-3.5, -4},
      {0.5, 0},
      {1.5, 2},
      {2.4, 2},
      {2.6, 3},
      {-2.6, -3},
      {-0.4, 0},
      {2147483647.4, 2147483647},
      {-2147483648.5, -2147483648},
  };
  for (const auto &[value, expected] : cases)
    EXPECT_EQ(Variant(value).toInt(), expected) << value;
  EXPECT_EQ(Variant("2.5").toInt(), 2);
  EXPECT_EQ(Variant(" 17 ").toInt(), 17);
  EXPECT_EQ(Variant(-9).toInt(), -9);
}

TEST(Variant, ToIntRefusesWhatIsNotAnInteger) {
  for (const Variant &v : {Variant(2147483647.5), Variant(-2147483649.0), Variant(1e300),
                           Variant(std::numeric_limits<double>::quiet_NaN()), Variant(),
                           Variant(true), Variant("abc"), Variant("")})
    EXPECT_THROW(v.toInt(), EVariantError);
}

TEST(Variant, ToDouble) {
  EXPECT_EQ(Variant(2.5).toDouble(), 2.5);
  EXPECT_EQ(Variant(-3).toDouble(), -3.0);
  EXPECT_EQ(Variant("1.5e2").toDouble(), 150.0);
  for (const Variant &v : {Variant(), Variant(false), Variant("1,5"), Variant("nan")})
    EXPECT_THROW(v.toDouble(), EVariantError);
}

TEST(Variant, ToBool) {
  EXPECT_TRUE(Variant(1).toBool());
  EXPECT_TRUE(Variant(-1).toBool());
  EXPECT_FALSE(Variant(0).toBool());
  EXPECT_TRUE(Variant(true).toBool());
  EXPECT_FALSE(Variant(0.4).toBool()); // rounds to 0 first
  EXPECT_TRUE(Variant(0.6).toBool());
  EXPECT_TRUE(Variant("TRUE").toBool());
  EXPECT_FALSE(Variant("False").toBool());
  EXPECT_TRUE(Variant("3").toBool());
  EXPECT_THROW(Variant().toBool(), EVariantError);
  EXPECT_THROW(Variant("yes").toBool(), EVariantError);
}

TEST(Variant, ToText) {
  EXPECT_EQ(Variant().toText(), "");
  EXPECT_EQ(Variant("a b").toText(), "a b");
  EXPECT_EQ(Variant(600.0).toText(), "600");
  EXPECT_EQ(Variant(0.1 + 0.2).toText(), "0.3");
  EXPECT_EQ(Variant(-2147483647 - 1).toText(), "-2147483648");
  EXPECT_EQ(Variant(true).toText(), "True");
  EXPECT_EQ(Variant(false).toText(), "False");
}

TEST(Variant, KindsAndEquality) {
  EXPECT_EQ(Variant(1).kind(), Variant::Kind::Int);
  EXPECT_EQ(Variant(1.0).kind(), Variant::Kind::Double);
  EXPECT_EQ(Variant("x").kind(), Variant::Kind::Text);
  EXPECT_TRUE(Variant().isEmpty());
  EXPECT_TRUE(Variant(1).isNumber());
  EXPECT_FALSE(Variant(true).isNumber());
  EXPECT_NE(Variant(1), Variant(1.0));
  EXPECT_EQ(Variant("x"), Variant(std::string("x")));
}

} // namespace
} // namespace korvane
