// "FPrice.dta": any bytes replace exactly the whole values they hold and
// nothing else; the row lookup stays in the table whatever the diameters.
#include <cmath>
#include <cstring>

#include "costs/FittingsFiles.h"
#include "fuzz/FuzzSupport.h"

using namespace korvane;
using namespace korvane::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string_view bytes = AsText(data, size);
  PutFile(ScratchFile(kFactoryPricesName), bytes);

  TSpiralPriceTable before;
  for (std::size_t c = 0; c < kFittingCols; ++c)
    for (std::size_t r = 0; r < kFittingRows; ++r)
      before.cols[c][r] = -1.0 - static_cast<double>(c * kFittingRows + r);
  TSpiralPriceTable table = before;
  TRecordingSink sink;
  bool ended = false;
  const bool read = ReadFactoryPrices(table, ScratchDir() + "/", sink, [&] { ended = true; });
  FUZZ_CHECK(read && !ended && sink.messages.empty());

  const std::size_t whole = std::min(bytes.size(), sizeof table) / sizeof(double);
  const auto *got = reinterpret_cast<const unsigned char *>(&table);
  const auto *old = reinterpret_cast<const unsigned char *>(&before);
  FUZZ_CHECK(std::memcmp(got, bytes.data(), whole * sizeof(double)) == 0);
  FUZZ_CHECK(std::memcmp(got + whole * sizeof(double), old + whole * sizeof(double),
                         sizeof table - whole * sizeof(double)) == 0);

  // The engine looks diameters up in whatever the file held: NaN, infinities
  // and columns out of order included.
  for (double dia :
       {0.0, -1.0, 100.0, 210.0, 2000.0, 2001.0, 1e308, -1e308, std::nan(""), double(INFINITY),
        -double(INFINITY), table.Dia(0), table.Dia(kFittingRows - 1)}) {
    bool out = false;
    const std::size_t row = FindFittingRow(table, dia, out);
    FUZZ_CHECK(row < kFittingRows);
    FUZZ_CHECK(!out || row == kFittingRows - 1);
  }
  return 0;
}
