#pragma once
// Everything the running program prices with, in one place: the catalogue
// with every type's values, the spiral fittings prices, the live cost record,
// the engine that reads them, and the file names the user works with. The
// program keeps one for its whole run; a test builds its own.
#include <string>

#include "app/Catalogue.h"
#include "base/Format.h"
#include "costs/CostRec.h"
#include "costs/SpiralPriceTable.h"
#include "engine/Engine.h"

namespace korvane {

struct TKorvaneWorld {
  TCatalogue Catalogue;
  TSpiralPriceTable SpiralPriceTable;
  TCostRec CurrentCosts = DefaultCosts();
  TEngine Engine;
  std::string CostFileName;
  std::string LastCostFile;
  std::string ItemFileName = "Default.kvd";
  TCurrencyFormat Currency;

  // The engine reads this world's costs and prices; the catalogue is left
  // empty until BuildCatalogue runs (start-up does it in its place).
  TKorvaneWorld() {
    Engine.costs = &CurrentCosts;
    Engine.prices = &SpiralPriceTable;
  }
  TKorvaneWorld(const TKorvaneWorld &) = delete;
  TKorvaneWorld &operator=(const TKorvaneWorld &) = delete;
};

} // namespace korvane
