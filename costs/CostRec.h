#pragma once
// The cost record: one fixed 224-byte little-endian record, the same bytes in
// memory and in a cost file. A 32-byte header (signature as a length byte plus
// 27 characters, 4 padding bytes) and 24 doubles.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace korvane {

inline constexpr std::string_view kCostSignature330 = "Brisvantore 3.30 costs file";
inline constexpr std::string_view kCostSignature310 = "Brisvantore 3.10 costs file";
inline constexpr std::size_t kCostRecSize = 224;
inline constexpr std::size_t kCostRec310Size = 216;

struct TCostRec {
  std::uint8_t SignatureLen;
  std::array<char, 27> Signature;
  std::array<std::uint8_t, 4> Padding;
  double RefDate;           // days from 30 December 1899
  double MnfRate;           // metal manufacturing, cost/kg
  double Spiralrate;        // spiral duct, cost/kg
  double SpiralFittingFact; // multiplier on every spiral fitting list price
  double MWaste;            // metal waste factor
  double IWaste;            // insulation waste factor
  double AFlangeCost20x20x3;
  double AFlangeCost30x30x3;
  double AFlangeCost40x40x3;
  double AFlangeCost40x40x5;
  double AFlangeCost50x50x5;
  double BigFlangeCost;   // 35 mm mezz, cost/m
  double SmallFlangeCost; // 20 mm mezz, cost/m
  double ClampCost;       // each
  double InsulCost12;     // 12.5 mm, cost/m²
  double InsulCost25;
  double InsulCost50;
  double ErectRate;   // erection, cost/kg
  double LabourRate;  // erection labour, kg/hr
  double ManufRate;   // manufacturing labour, cost/hr
  double BracketCost; // cost/m
  double Markup;
  double Sq2RFactor;
  double CornerCost; // mezz flange corner, each

  bool operator==(const TCostRec &o) const { return std::memcmp(this, &o, sizeof o) == 0; }
};

static_assert(sizeof(TCostRec) == kCostRecSize);
static_assert(offsetof(TCostRec, Padding) == 28);
static_assert(offsetof(TCostRec, RefDate) == 32);
static_assert(offsetof(TCostRec, Sq2RFactor) == 208);
static_assert(offsetof(TCostRec, CornerCost) == 216);

// The built-in defaults: the 3.30 signature, zero padding and the default rates.
const TCostRec &DefaultCosts();

} // namespace korvane
