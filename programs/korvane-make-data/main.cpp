// Turns the readable factory price list into the files the program ships:
//   <common-dir>/FPrice.dta    the factory prices, 3072 bytes, column after column
//   <common-dir>/Fittings.ini  the same prices as the user's starting list
//   <data-dir>/Default.cst     the built-in default costs as a cost file
// Usage: korvane-make-data <factory-prices.csv> <common-dir> <data-dir>
#include <filesystem>
#include <iostream>
#include <string>

#include "base/FileIO.h"
#include "base/IniStore.h"
#include "costs/CostFile.h"
#include "costs/CostRec.h"
#include "costs/FittingsFiles.h"
#include "costs/PriceListSource.h"

namespace {

using namespace korvane;

bool Write(const std::filesystem::path &path, std::string_view bytes) {
  std::string error;
  if (AtomicWriteFile(path.string(), bytes, &error))
    return true;
  std::cerr << "korvane-make-data: cannot write " << path << ": " << error << '\n';
  return false;
}

bool MakeFolder(const std::filesystem::path &dir) {
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  if (!ec)
    return true;
  std::cerr << "korvane-make-data: cannot create " << dir << ": " << ec.message() << '\n';
  return false;
}

} // namespace

int main(int argc, char **argv) {
  if (argc != 4) {
    std::cerr << "usage: korvane-make-data <factory-prices.csv> <common-dir> <data-dir>\n";
    return 2;
  }
  const std::string source = argv[1];
  const std::filesystem::path commonDir = argv[2];
  const std::filesystem::path dataDir = argv[3];

  std::string text;
  std::string error;
  if (!ReadFileBytes(source, text, &error)) {
    std::cerr << "korvane-make-data: cannot read " << source << ": " << error << '\n';
    return 1;
  }
  TSpiralPriceTable table;
  if (!ParsePriceListSource(text, table, error)) {
    std::cerr << source << ": " << error << '\n';
    return 1;
  }

  // A fresh file, not merged with a staged one: what ships is the list alone.
  TIniStore ini;
  ini.Parse("; Spiral fittings list prices in rands, one section per fitting kind,\r\n"
            "; one key per nominal diameter in mm.\r\n");
  StoreFittingPrices(table, ini);

  const bool ok = MakeFolder(commonDir) && MakeFolder(dataDir) &&
                  Write(commonDir / kFactoryPricesName, FactoryPriceBytes(table)) &&
                  Write(commonDir / kFittingsIniName, ini.Serialize()) &&
                  Write(dataDir / "Default.cst", CostRecBytes(DefaultCosts()));
  return ok ? 0 : 1;
}
