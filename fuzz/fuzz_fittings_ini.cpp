// "Fittings.ini": any bytes read as built-in diameters and finite prices
// without a message; writing the prices back keeps every entry that is not
// one of ours, reads back the same prices, and a second write changes
// nothing.
#include <cmath>
#include <unordered_set>

#include "base/AsciiText.h"
#include "base/NumberText.h"
#include "costs/FittingsFiles.h"
#include "fuzz/FuzzSupport.h"

using namespace korvane;
using namespace korvane::fuzz;

namespace {

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char &c : out)
    c = AsciiLower(c);
  return out;
}

bool IsOurs(std::string_view section, std::string_view key) {
  static const std::unordered_set<std::string> ours = [] {
    std::unordered_set<std::string> names;
    for (std::size_t c = fcElbow10D; c < kFittingCols; ++c)
      for (std::size_t r = 0; r < kFittingRows; ++r)
        names.insert(Lower(FittingColumnName(c)) + '\n' + Lower(FittingKey(r)));
    return names;
  }();
  return ours.contains(Lower(section) + '\n' + Lower(key));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string_view bytes = AsText(data, size);
  const std::string dir = ScratchDir() + "/";
  const std::string path = dir + kFittingsIniName;
  PutFile(path, bytes);

  TSpiralPriceTable table;
  TRecordingSink sink;
  bool ended = false;
  const auto end = [&] { ended = true; };
  FUZZ_CHECK(ReadFittingsIni(table, dir, sink, end) && !ended && sink.messages.empty());
  for (std::size_t r = 0; r < kFittingRows; ++r) {
    FUZZ_CHECK(table.Dia(r) == kBuiltInDiameters[r]);
    for (std::size_t c = fcElbow10D; c < kFittingCols; ++c)
      FUZZ_CHECK(std::isfinite(table.Price(c, r)));
  }

  TIniStore original;
  original.Parse(bytes);

  FUZZ_CHECK(WriteFittingsIni(table, dir, sink, end) && !ended && sink.messages.empty());
  const std::string written = GetFile(path);
  TIniStore after;
  after.Parse(written);
  for (const std::string &section : original.Sections())
    for (const std::string &key : original.Keys(section))
      if (!IsOurs(section, key))
        FUZZ_CHECK(after.Read(section, key) == original.Read(section, key));

  TSpiralPriceTable again;
  FUZZ_CHECK(ReadFittingsIni(again, dir, sink, end) && sink.messages.empty());
  for (std::size_t c = fcElbow10D; c < kFittingCols; ++c)
    for (std::size_t r = 0; r < kFittingRows; ++r)
      FUZZ_CHECK(FormatGeneral(again.Price(c, r)) == FormatGeneral(table.Price(c, r)));

  FUZZ_CHECK(WriteFittingsIni(again, dir, sink, end) && sink.messages.empty());
  FUZZ_CHECK(GetFile(path) == written);
  FUZZ_CHECK(OnlyFiles(ScratchDir(), {kFittingsIniName}));
  return 0;
}
