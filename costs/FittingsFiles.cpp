#include "costs/FittingsFiles.h"

#include <bit>
#include <cstring>

#include "base/NumberText.h"
#include "costs/FileStart.h"

namespace korvane {

static_assert(std::endian::native == std::endian::little,
              "FPrice.dta holds little-endian doubles: the table is copied as it lies in memory");

namespace {

bool Fail(TMessageSink &sink, const TEndProgram &EndProgram, const std::string &text) {
  sink.Show(TMsgKind::Error, TMsgButtons::Ok, text);
  if (EndProgram)
    EndProgram();
  return false;
}

} // namespace

void LoadFittingPrices(TSpiralPriceTable &SpiralPriceTable, const TIniStore &ini) {
  for (std::size_t c = fcElbow10D; c < kFittingCols; ++c) {
    const std::string_view section = FittingColumnName(c);
    for (std::size_t r = 0; r < kFittingRows; ++r) {
      SpiralPriceTable.cols[fcDia][r] = kBuiltInDiameters[r];
      double price = 0;
      if (const auto text = ini.Read(section, FittingKey(r)); !text || !ReadNumber(*text, price))
        price = 0;
      SpiralPriceTable.cols[c][r] = price;
    }
  }
}

void StoreFittingPrices(const TSpiralPriceTable &SpiralPriceTable, TIniStore &ini) {
  for (std::size_t c = fcElbow10D; c < kFittingCols; ++c) {
    const std::string_view section = FittingColumnName(c);
    for (std::size_t r = 0; r < kFittingRows; ++r)
      ini.Write(section, FittingKey(r), FormatGeneral(SpiralPriceTable.cols[c][r]));
  }
}

std::string FactoryPriceBytes(const TSpiralPriceTable &SpiralPriceTable) {
  return std::string(reinterpret_cast<const char *>(&SpiralPriceTable), sizeof SpiralPriceTable);
}

bool ReadFittingsIni(TSpiralPriceTable &SpiralPriceTable, const std::string &SharedDataDir,
                     TMessageSink &sink, const TEndProgram &EndProgram) {
  TIniStore ini;
  if (!ini.LoadFile(SharedDataDir + kFittingsIniName))
    return Fail(sink, EndProgram, "Error reading spiral fittings price file, Fittings.ini");
  LoadFittingPrices(SpiralPriceTable, ini);
  return true;
}

bool WriteFittingsIni(const TSpiralPriceTable &SpiralPriceTable, const std::string &SharedDataDir,
                      TMessageSink &sink, const TEndProgram &EndProgram) {
  const std::string path = SharedDataDir + kFittingsIniName;
  // The file may hold sections of other programs or the user's notes: read it
  // first so that they survive. One that exists but cannot be read is not
  // written over.
  TIniStore ini;
  bool written = ini.LoadFile(path);
  if (written) {
    StoreFittingPrices(SpiralPriceTable, ini);
    written = ini.SaveFile(path);
  }
  if (!written)
    return Fail(sink, EndProgram, "Error writing spiral fittings price file, Fittings.ini");
  return true;
}

bool ReadFactoryPrices(TSpiralPriceTable &SpiralPriceTable, const std::string &SharedDataDir,
                       TMessageSink &sink, const TEndProgram &EndProgram) {
  std::string bytes;
  if (!ReadFileStart(SharedDataDir + kFactoryPricesName, sizeof SpiralPriceTable, bytes))
    return Fail(sink, EndProgram, "Error reading spiral fittings price file, FPrice.dta");
  // A short file replaces only the values it holds whole; a torn last value
  // would be a number nobody wrote.
  const std::size_t whole = bytes.size() / sizeof(double) * sizeof(double);
  std::memcpy(&SpiralPriceTable, bytes.data(), whole);
  return true;
}

} // namespace korvane
