#pragma once
// The spiral fittings price files in the shared data folder: the user's
// prices in "Fittings.ini" and the factory prices in "FPrice.dta". A failure
// of any of them is fatal: the user is told, then the program is ended.
#include <string>

#include "base/IniStore.h"
#include "base/MessageSink.h"
#include "costs/SpiralPriceTable.h"

namespace korvane {

inline constexpr const char *kFittingsIniName = "Fittings.ini";
inline constexpr const char *kFactoryPricesName = "FPrice.dta";

// SharedDataDir is the shared data folder with its trailing '/' (see
// MakerFolders.h). Each operation returns true on success; on failure it shows
// its error box, calls EndProgram and returns false, leaving the table as it
// was.

// Built-in diameters, and the 11 price columns from "Fittings.ini". A missing
// file, key or number reads as 0 without a message.
bool ReadFittingsIni(TSpiralPriceTable &SpiralPriceTable, const std::string &SharedDataDir,
                     TMessageSink &sink, const TEndProgram &EndProgram);

// Writes the 11 price columns into "Fittings.ini", keeping every other
// section and key of the file. Atomic: a failed write leaves the old file.
bool WriteFittingsIni(const TSpiralPriceTable &SpiralPriceTable, const std::string &SharedDataDir,
                      TMessageSink &sink, const TEndProgram &EndProgram);

// The whole table, diameters included, from "FPrice.dta". A file shorter than
// 3072 bytes fills only the values it holds completely.
bool ReadFactoryPrices(TSpiralPriceTable &SpiralPriceTable, const std::string &SharedDataDir,
                       TMessageSink &sink, const TEndProgram &EndProgram);

// The in-memory halves of the two INI operations.
void LoadFittingPrices(TSpiralPriceTable &SpiralPriceTable, const TIniStore &ini);
void StoreFittingPrices(const TSpiralPriceTable &SpiralPriceTable, TIniStore &ini);

// The table exactly as "FPrice.dta" holds it: 3072 bytes, column after column.
std::string FactoryPriceBytes(const TSpiralPriceTable &SpiralPriceTable);

} // namespace korvane
