#include "app/ui/StartUp.h"

#include <clocale>

#include "costs/FittingsFiles.h"
#include "desktop/CurrencyFormat.h"

namespace korvane {

void FixNumberSeparators() {
  std::setlocale(LC_NUMERIC, "C");
}

bool RunModuleStartUp(const QString &programDir, TKorvaneWorld &world, TStartUp &out,
                      TMessageSink &sink) {
  FixNumberSeparators();
  world.Currency = SystemCurrencyFormat();
  out.Contact = ReadContactDetails();
  out.Folders = RecordProgramFolders(programDir);
  bool ended = false;
  if (!ReadFittingsIni(world.SpiralPriceTable, out.Folders.SharedDataDir.toStdString(), sink,
                       [&ended] { ended = true; }))
    return false;
  if (ended)
    return false;
  BuildCatalogue(world.Catalogue);
  RegisterDuctSyntax(out.Highlighters);
  return true;
}

} // namespace korvane
