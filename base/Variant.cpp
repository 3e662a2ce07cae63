#include "base/Variant.h"

#include <charconv>
#include <cmath>

#include "base/AsciiText.h"
#include "base/NumberText.h"

namespace korvane {

namespace {

const char *KindName(Variant::Kind kind) {
  switch (kind) {
  case Variant::Kind::Empty:
    return "Empty";
  case Variant::Kind::Text:
    return "Text";
  case Variant::Kind::Double:
    return "Double";
  case Variant::Kind::Int:
    return "Integer";
  case Variant::Kind::Bool:
    return "Boolean";
  }
  return "?";
}

[[noreturn]] void ThrowConversion(Variant::Kind from, const char *to) {
  throw EVariantError(std::string("Could not convert a value of kind ") + KindName(from) +
                      " into " + to);
}

// Nearest integer, halves to even, without touching the floating-point
// environment's rounding mode.
double RoundHalfEven(double d) {
  const double r = std::round(d); // halves away from zero
  if (std::fabs(d - std::trunc(d)) == 0.5 && std::fmod(r, 2.0) != 0.0)
    return r - std::copysign(1.0, d);
  return r;
}

} // namespace

double Variant::toDouble() const {
  switch (kind()) {
  case Kind::Double:
    return asDouble();
  case Kind::Int:
    return asInt();
  case Kind::Text: {
    double d = 0;
    if (!ReadNumber(text(), d))
      throw EVariantError("'" + text() + "' is not a valid number");
    return d;
  }
  default:
    ThrowConversion(kind(), "Double");
  }
}

std::int32_t Variant::toInt() const {
  switch (kind()) {
  case Kind::Int:
    return asInt();
  case Kind::Double:
  case Kind::Text: {
    const double r = RoundHalfEven(toDouble());
    // NaN fails both comparisons and lands here too.
    if (!(r >= -2147483648.0 && r <= 2147483647.0))
      throw EVariantError("Value out of the integer range");
    return static_cast<std::int32_t>(r);
  }
  default:
    ThrowConversion(kind(), "Integer");
  }
}

bool Variant::toBool() const {
  if (kind() == Kind::Bool)
    return asBool();
  // A text saying True or False is what toText writes for a boolean.
  if (kind() == Kind::Text && EqualsNoCase(text(), "true"))
    return true;
  if (kind() == Kind::Text && EqualsNoCase(text(), "false"))
    return false;
  if (kind() == Kind::Empty)
    ThrowConversion(kind(), "Boolean");
  return toInt() != 0;
}

std::string Variant::toText() const {
  switch (kind()) {
  case Kind::Empty:
    return {};
  case Kind::Text:
    return text();
  case Kind::Double:
    return FormatGeneral(asDouble());
  case Kind::Int: {
    char buf[16];
    const auto res = std::to_chars(buf, buf + sizeof buf, asInt());
    return std::string(buf, res.ptr);
  }
  case Kind::Bool:
    return asBool() ? "True" : "False";
  }
  return {};
}

} // namespace korvane
