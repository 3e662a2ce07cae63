#pragma once
// The command-line pricer for the fuzz targets that price: one for the whole
// run, opened on the default costs and the shipped price list, as the
// installed program is.
#include <memory>
#include <string>

#include "app/Pricer.h"
#include "costs/CostFile.h"
#include "costs/FittingsFiles.h"
#include "fuzz/FuzzWorld.h"

namespace korvane::fuzz {

inline TPricer &FuzzPricer() {
  static const std::unique_ptr<TPricer> pricer = [] {
    PutFile(ScratchFile("Default.cst"), CostRecBytes(DefaultCosts()));
    TIniStore ini;
    StoreFittingPrices(ShippedPrices(), ini);
    FUZZ_CHECK(ini.SaveFile(ScratchFile(kFittingsIniName)));
    auto p = std::make_unique<TPricer>();
    TPricerSetup setup;
    setup.ProgramDir = ScratchDir() + "/";
    setup.CostFile = ScratchFile("Default.cst");
    setup.DataDir = ScratchDir();
    std::string error;
    FUZZ_CHECK(p->Open(setup, error));
    return p;
  }();
  return *pricer;
}

} // namespace korvane::fuzz
