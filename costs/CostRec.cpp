#include "costs/CostRec.h"

#include <algorithm>

namespace korvane {

namespace {

TCostRec MakeDefaultCosts() {
  TCostRec rec{};
  rec.SignatureLen = static_cast<std::uint8_t>(kCostSignature330.size());
  std::copy(kCostSignature330.begin(), kCostSignature330.end(), rec.Signature.begin());
  rec.RefDate = 36526.0; // 1 January 2000
  rec.MnfRate = 14.5;
  rec.Spiralrate = 8.6;
  rec.SpiralFittingFact = 1.0;
  rec.MWaste = 1.2;
  rec.IWaste = 1.0;
  rec.AFlangeCost20x20x3 = 17.5;
  rec.AFlangeCost30x30x3 = 18.5;
  rec.AFlangeCost40x40x3 = 19.5;
  rec.AFlangeCost40x40x5 = 20.5;
  rec.AFlangeCost50x50x5 = 21.5;
  rec.BigFlangeCost = 17.5;
  rec.SmallFlangeCost = 17.5;
  rec.ClampCost = 1.1;
  rec.InsulCost12 = 40.0;
  rec.InsulCost25 = 52.0;
  rec.InsulCost50 = 60.0;
  rec.ErectRate = 6.0;
  rec.LabourRate = 16.0;
  rec.ManufRate = 125.0;
  rec.BracketCost = 3.8;
  rec.Markup = 1.0;
  rec.Sq2RFactor = 1.0;
  rec.CornerCost = 1.0;
  return rec;
}

} // namespace

const TCostRec &DefaultCosts() {
  static const TCostRec defaults = MakeDefaultCosts();
  return defaults;
}

} // namespace korvane
