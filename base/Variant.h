#pragma once
// A tagged value: empty, text, double, 32-bit integer or boolean. Every value
// that passes into or out of the entry grid and the formatted edit is one.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <variant>

namespace korvane {

// Thrown when a value cannot be converted to the kind asked for.
class EVariantError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

class Variant {
public:
  enum class Kind { Empty, Text, Double, Int, Bool };

  Variant() = default;
  Variant(std::string text) : v_(std::move(text)) {}
  Variant(const char *text) : v_(std::string(text)) {}
  Variant(double d) : v_(d) {}
  Variant(std::int32_t i) : v_(i) {}
  Variant(bool b) : v_(b) {}

  Kind kind() const { return static_cast<Kind>(v_.index()); }
  bool isEmpty() const { return kind() == Kind::Empty; }
  bool isText() const { return kind() == Kind::Text; }
  bool isNumber() const { return kind() == Kind::Double || kind() == Kind::Int; }

  // Double, integer or numeric text (the number reader's rules) to a double;
  // anything else throws EVariantError.
  double toDouble() const;
  // Integer as is; double rounded to nearest, halves to even; numeric text via
  // toDouble. Out of the 32-bit range, empty or boolean throws.
  std::int32_t toInt() const;
  // Boolean as is; integer (or a value convertible to one) non-zero is true.
  bool toBool() const;
  // Text unchanged; double in the shortest general form of up to 15
  // significant digits; integer in decimal; boolean "True"/"False"; empty "".
  std::string toText() const;

  // Direct access when the kind is known.
  const std::string &text() const { return std::get<std::string>(v_); }
  double asDouble() const { return std::get<double>(v_); }
  std::int32_t asInt() const { return std::get<std::int32_t>(v_); }
  bool asBool() const { return std::get<bool>(v_); }

  bool operator==(const Variant &) const = default;

private:
  std::variant<std::monostate, std::string, double, std::int32_t, bool> v_;
};

} // namespace korvane
