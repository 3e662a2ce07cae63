// Item files: any bytes load without a message; an entry that is a number
// sets its value and anything else leaves the value alone; saving over the
// file keeps every foreign entry and loads back the same numbers; and every
// item type solves with what was loaded to a price or "Bad data...", never
// to "nan" or "inf" on screen.
#include <unordered_set>

#include "app/ItemFile.h"
#include "app/ItemRowSet.h"
#include "base/AsciiText.h"
#include "base/IniStore.h"
#include "base/NumberText.h"
#include "fuzz/FuzzWorld.h"

using namespace korvane;
using namespace korvane::fuzz;

namespace {

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char &c : out)
    c = AsciiLower(c);
  return out;
}

// Whether the save writes this entry.
bool IsOurs(std::string_view section, std::string_view key) {
  static const std::unordered_set<std::string> ours = [] {
    std::unordered_set<std::string> names{"registereduser\nregisteredowner",
                                          "registereduser\nregisteredorganisation",
                                          "last saved\ndatatime"};
    for (const TDuctTypeRec &rec : DuctTypes)
      for (std::string_view prop : rec.Props)
        if (!prop.empty())
          names.insert(Lower(rec.Name) + '\n' + Lower(prop));
    return names;
  }();
  return ours.contains(Lower(section) + '\n' + Lower(key));
}

const TCatalogue &StartCatalogue() {
  static const TCatalogue catalogue = [] {
    TCatalogue c;
    BuildCatalogue(c);
    return c;
  }();
  return catalogue;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string_view bytes = AsText(data, size);
  const std::string path = ScratchFile("Items.kvd");
  PutFile(path, bytes);

  TCatalogue catalogue = StartCatalogue();
  TRecordingSink sink;
  FUZZ_CHECK(LoadItemFile(path, catalogue.ItemValues, sink) && sink.messages.empty());

  TIniStore ini;
  ini.Parse(bytes);
  for (int t = 0; t < kTypeCount; ++t) {
    const TDuctTypeRec &rec = DuctTypes[static_cast<std::size_t>(t)];
    const auto &before = StartCatalogue().ItemValues[static_cast<std::size_t>(t)];
    const auto &after = catalogue.ItemValues[static_cast<std::size_t>(t)];
    FUZZ_CHECK(after.size() == before.size());
    for (std::size_t k = 0; k < after.size(); ++k) {
      double number = 0;
      const auto text = ini.Read(rec.Name, rec.Props[k]);
      if (text && ReadNumber(*text, number))
        FUZZ_CHECK(after[k] == Variant(number));
      else
        FUZZ_CHECK(after[k] == before[k]);
    }
  }

  // Saved over itself: foreign entries stay, our numbers read back.
  const TItemFileStamp stamp{"Est = ; [Owner]\r\nx", "", "2024/05/01 10:15:00"};
  FUZZ_CHECK(SaveItemFile(path, catalogue.ItemValues, stamp, sink) && sink.messages.empty());
  TIniStore saved;
  saved.Parse(GetFile(path));
  for (const std::string &section : ini.Sections())
    for (const std::string &key : ini.Keys(section))
      if (!IsOurs(section, key))
        FUZZ_CHECK(saved.Read(section, key) == ini.Read(section, key));
  TCatalogue again = StartCatalogue();
  FUZZ_CHECK(LoadItemFile(path, again.ItemValues, sink) && sink.messages.empty());
  for (std::size_t t = 0; t < kTypeCount; ++t)
    for (std::size_t k = 0; k < again.ItemValues[t].size(); ++k)
      FUZZ_CHECK(FormatGeneral(again.ItemValues[t][k].toDouble()) ==
                 FormatGeneral(catalogue.ItemValues[t][k].toDouble()));
  FUZZ_CHECK(OnlyFiles(ScratchDir(), {"Items.kvd"}));

  // Every type as the window shows it after the file was opened.
  TFuzzWorld world;
  TItemRowSet rowSet(catalogue, world.sink);
  for (int t = 0; t < kTypeCount; ++t) {
    rowSet.Show(t, catalogue.ItemValues[static_cast<std::size_t>(t)]);
    world.engine.settings = TEngineSettings{};
    const bool solved =
        SolveItem({world.engine, world.costFile, world.currency}, t, rowSet.Rows(t), world.report);
    CheckReport(world.report, solved);
  }
  return 0;
}
