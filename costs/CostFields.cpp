#include "costs/CostFields.h"

#include <array>
#include <cmath>
#include <cstdlib>

#include "base/NumberText.h"

namespace korvane {

namespace {

using P = TCostPage;
constexpr std::string_view kMfgRates = "Manufacturing rates";
constexpr std::string_view kErectRates = "Erection rates";
constexpr std::string_view kSpiralRates = "Spiral rates";
constexpr std::string_view kMezz = "Mezz flange costs";
constexpr std::string_view kAngle = "Angle flange costs";
constexpr std::string_view kMisc = "Miscelleous costs";
constexpr std::string_view kInsul = "Insulation";
constexpr std::string_view kFactors = "Factors";

const std::array<TCostField, 23> kFields{{
    {"CMnfRate", P::Rates, kMfgRates, "Metal", "Cost/kg", &TCostRec::MnfRate},
    {"CManufRate", P::Rates, kMfgRates, "Labour", "Cost/hr", &TCostRec::ManufRate},
    {"CErectRate", P::Rates, kErectRates, "Erection", "Cost/kg", &TCostRec::ErectRate},
    {"CLabourRate", P::Rates, kErectRates, "Labour", "kg/hr", &TCostRec::LabourRate},
    {"CSpiralrate", P::Spiral, kSpiralRates, "Spiral", "Cost/kg", &TCostRec::Spiralrate},
    {"CSpiralFittingFact", P::Spiral, kSpiralRates, "Fitting factor", "",
     &TCostRec::SpiralFittingFact},
    {"CSmallFlangeCost", P::Flanges, kMezz, "20 mm", "Cost/m", &TCostRec::SmallFlangeCost},
    {"CBigFlangeCost", P::Flanges, kMezz, "35 mm", "Cost/m", &TCostRec::BigFlangeCost},
    {"CCornerCost", P::Flanges, kMezz, "Corners", "Cost each", &TCostRec::CornerCost},
    {"C20x20x3AFlangeCost", P::Flanges, kAngle, "20x20x3", "Cost/m", &TCostRec::AFlangeCost20x20x3},
    {"C30x30x3AFlangeCost", P::Flanges, kAngle, "30x30x3", "Cost/m", &TCostRec::AFlangeCost30x30x3},
    {"C40x40x3AFlangeCost", P::Flanges, kAngle, "40x40x3", "Cost/m", &TCostRec::AFlangeCost40x40x3},
    {"C40x40x5AFlangeCost", P::Flanges, kAngle, "40x40x5", "Cost/m", &TCostRec::AFlangeCost40x40x5},
    {"C50x50x5AFlangeCost", P::Flanges, kAngle, "50x50x5", "Cost/m", &TCostRec::AFlangeCost50x50x5},
    {"CClampCost", P::Misc, kMisc, "Clamp", "Cost each", &TCostRec::ClampCost},
    {"CBracketCost", P::Misc, kMisc, "Brackets", "Cost/m", &TCostRec::BracketCost},
    {"C12InsulCost", P::Insul, kInsul, "12.5 mm", "Cost/m\u00b2", &TCostRec::InsulCost12},
    {"C25InsulCost", P::Insul, kInsul, "25.0 mm", "Cost/m\u00b2", &TCostRec::InsulCost25},
    {"C50InsulCost", P::Insul, kInsul, "50.0 mm", "Cost/m\u00b2", &TCostRec::InsulCost50},
    {"CSq2RFactor", P::Factors, kFactors, "Square to round", "", &TCostRec::Sq2RFactor},
    {"CMWaste", P::Factors, kFactors, "Metal waste", "(Rect only)", &TCostRec::MWaste},
    {"CIWaste", P::Factors, kFactors, "Insulation waste", "", &TCostRec::IWaste},
    {"CMarkup", P::Factors, kFactors, "Overall markup", "", &TCostRec::Markup},
}};

constexpr std::array<std::string_view, kCostPageCount> kPageNames{"Rates", "Spiral", "Flanges",
                                                                  "Misc",  "Insul",  "Factors"};

// Writes the digits of a general-form text with its exponent folded into
// the position of the decimal point: "1.5e+20" -> "150000000000000000000",
// "-1e-05" -> "-0.00001".
std::string WithoutExponent(const std::string &general) {
  const std::size_t e = general.find('e');
  const std::string mantissa = general.substr(0, e);
  const int exponent = std::atoi(general.c_str() + e + 1);
  const bool negative = !mantissa.empty() && mantissa[0] == '-';
  std::string digits;
  int pointAt = -1;
  for (char c : mantissa) {
    if (c == '.')
      pointAt = static_cast<int>(digits.size());
    else if (c >= '0' && c <= '9')
      digits += c;
  }
  if (pointAt < 0)
    pointAt = static_cast<int>(digits.size());
  pointAt += exponent;
  std::string out = negative ? "-" : "";
  if (pointAt <= 0) {
    out += "0.";
    out.append(static_cast<std::size_t>(-pointAt), '0');
    out += digits;
  } else if (pointAt >= static_cast<int>(digits.size())) {
    out += digits;
    out.append(static_cast<std::size_t>(pointAt) - digits.size(), '0');
  } else {
    out += digits.substr(0, static_cast<std::size_t>(pointAt));
    out += '.';
    out += digits.substr(static_cast<std::size_t>(pointAt));
  }
  return out;
}

} // namespace

std::span<const TCostField> CostFields() {
  return kFields;
}

const TCostField *FindCostField(std::string_view name) {
  for (const TCostField &field : kFields)
    if (field.name == name)
      return &field;
  return nullptr;
}

std::string_view CostPageName(TCostPage page) {
  return kPageNames[static_cast<int>(page)];
}

std::string CostValueText(double value) {
  std::string text = FormatGeneral(value);
  if (!std::isfinite(value))
    return text;
  if (text.find('e') != std::string::npos)
    text = WithoutExponent(text);
  if (text.find('.') == std::string::npos)
    text += ".0";
  return text;
}

} // namespace korvane
