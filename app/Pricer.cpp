#include "app/Pricer.h"

#include <filesystem>

#include "app/ItemFile.h"
#include "app/ItemValueEntry.h"
#include "base/FileIO.h"
#include "costs/CostFile.h"
#include "costs/FittingsFiles.h"
#include "costs/MakerFolders.h"

namespace korvane {

namespace {

std::string WithSlash(std::string dir) {
  if (dir.empty() || dir.back() != '/')
    dir += '/';
  return dir;
}

// The last thing a reader told the user, for the one line on standard error.
std::string LastMessage(const TRecordingSink &sink) {
  return sink.messages.empty() ? std::string("failed") : sink.messages.back().text;
}

} // namespace

TPricer::TPricer() {
  BuildCatalogue(world_.Catalogue);
}

bool TPricer::Open(const TPricerSetup &setup, std::string &error) {
  const std::string dataDir =
      setup.DataDir ? WithSlash(*setup.DataDir) : SharedDataFolder(setup.ProgramDir);
  // A folder named by hand that is not there is a typing slip, not a price
  // list without prices.
  std::error_code ec;
  if (setup.DataDir && !std::filesystem::is_directory(*setup.DataDir, ec)) {
    error = "data folder '" + *setup.DataDir + "' does not exist";
    return false;
  }
  // Without Fittings.ini the round fittings still price, as the window's
  // do, but without list prices: the user must hear where it was looked for.
  warnings_.clear();
  const std::string fittings = dataDir + kFittingsIniName;
  if (!FileExists(fittings))
    warnings_.push_back("no " + std::string(kFittingsIniName) + " at '" + fittings +
                        "': round fittings are priced without list prices");
  warningsText_.clear();
  for (const std::string &w : warnings_)
    warningsText_ += (warningsText_.empty() ? "" : "; ") + w;
  bool ended = false;
  if (!ReadFittingsIni(world_.SpiralPriceTable, dataDir, sink_, [&ended] { ended = true; }) ||
      ended) {
    error = LastMessage(sink_) + " (" + dataDir + kFittingsIniName + ")";
    return false;
  }

  world_.CostFileName = setup.CostFile ? *setup.CostFile : kDefaultCostFile;
  const std::string costPath =
      setup.CostFile ? *setup.CostFile : setup.ProgramDir + kDefaultCostFile;
  if (!FileExists(costPath)) {
    error = "cannot load cost file '" + world_.CostFileName + "': no such file";
    return false;
  }
  if (!LoadCostFile(costPath, world_.CurrentCosts, sink_)) {
    error = "cannot load cost file '" + world_.CostFileName + "': " + LastMessage(sink_);
    return false;
  }

  if (setup.ItemFile) {
    if (!FileExists(*setup.ItemFile)) {
      error = "cannot read item file '" + *setup.ItemFile + "': no such file";
      return false;
    }
    if (!LoadItemFile(*setup.ItemFile, world_.Catalogue.ItemValues, sink_)) {
      error = "cannot read item file '" + *setup.ItemFile + "': " + LastMessage(sink_);
      return false;
    }
  }

  world_.Currency = setup.Currency;
  erection_ = setup.Erection;
  brackets_ = setup.Brackets;
  rowSet_ = std::make_unique<TItemRowSet>(world_.Catalogue, sink_);
  return true;
}

bool TPricer::Price(const TItemLine &item, std::string &error, TReportTexts texts) {
  const auto t = static_cast<std::size_t>(item.Type);
  TEntryRows &rows = rowSet_->Rows(item.Type);
  std::array<int, kMaxProps> &entered = entered_[t];
  std::size_t &count = enteredCount_[t];
  rowSet_->Restore(item.Type, std::span<const int>(entered.data(), count));
  count = 0;
  const TDuctTypeRec &rec = DuctTypes[t];
  for (std::size_t k = 0; k < item.Count; ++k) {
    const TItemAssignment &value = item.Values[k];
    if (!EnterItemValue(rows, value.Prop + 1, rec.Props[static_cast<std::size_t>(value.Prop)],
                        value.Value, error)) {
      rowSet_->Restore(item.Type);
      count = 0;
      return false;
    }
    entered[k] = value.Prop + 1; // k indexes Values, which has as many places
    count = k + 1;
  }
  type_ = item.Type;
  world_.Engine.settings = TEngineSettings{};
  world_.Engine.settings.ErectionIncluded = erection_;
  world_.Engine.settings.BracketsIncluded = brackets_;
  world_.Engine.outputs = TEngineOutputs{};
  report_.Reset();
  SolveItem({world_.Engine, world_.CostFileName, world_.Currency, texts}, type_, rows, report_);
  return true;
}

} // namespace korvane
