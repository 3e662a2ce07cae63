#pragma once
// The command-line pricer's world: the catalogue, the cost record, the spiral
// price table, the engine and one row model per type, set up once and then
// used for item after item. Every item starts from the values the program
// started with (or an item file gave) and from fresh engine settings, so its
// price never depends on the items before it.
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/Catalogue.h"
#include "app/ItemLine.h"
#include "app/ItemRowSet.h"
#include "app/KorvaneWorld.h"
#include "app/SolveItem.h"
#include "base/Format.h"
#include "base/MessageSink.h"
#include "costs/CostRec.h"
#include "costs/SpiralPriceTable.h"
#include "engine/Engine.h"

namespace korvane {

struct TPricerSetup {
  std::string ProgramDir;              // the program's folder, with a trailing '/'
  std::optional<std::string> CostFile; // as given; else the default cost file
  std::optional<std::string> DataDir;  // else the maker's shared data folder
  std::optional<std::string> ItemFile; // values of all types to start from
  bool Erection = false;
  bool Brackets = false;
  TCurrencyFormat Currency;
};

class TPricer {
public:
  TPricer();
  TPricer(const TPricer &) = delete;
  TPricer &operator=(const TPricer &) = delete;

  // Reads the spiral prices, the cost file and the item file. False with one
  // line saying what failed.
  bool Open(const TPricerSetup &setup, std::string &error);

  // Enters the item's values into its rows and solves it. False with `error`
  // when a value is refused, before anything is solved. A solve that ends in
  // "Bad data..." is a result: true, with Report().Failed set.
  bool Price(const TItemLine &item, std::string &error, TReportTexts texts = TReportTexts::All);

  // Erection and brackets for the items priced from now on.
  void SetErectionAndBrackets(bool erection, bool brackets) {
    erection_ = erection;
    brackets_ = brackets;
  }

  int Type() const { return type_; }
  const TEntryRows &Rows() const { return rowSet_->Rows(type_); }
  const TSolveReport &Report() const { return report_; }
  const TEngine &Engine() const { return world_.Engine; }
  const TCostRec &Costs() const { return world_.CurrentCosts; }
  const std::string &CostFileName() const { return world_.CostFileName; }
  const TCurrencyFormat &Currency() const { return world_.Currency; }
  // What the user should know although pricing goes on (a missing price file).
  const std::vector<std::string> &Warnings() const { return warnings_; }
  // The same, joined by "; " for one CSV field (made once, not per row).
  const std::string &WarningsText() const { return warningsText_; }

private:
  TRecordingSink sink_;
  // What the window prices with: the same world, filled the same way.
  TKorvaneWorld world_;
  std::vector<std::string> warnings_;
  std::string warningsText_;
  bool erection_ = false;
  bool brackets_ = false;
  std::unique_ptr<TItemRowSet> rowSet_;
  TSolveReport report_;
  int type_ = 0;
  // Per type, the data rows the last item of that type entered: the only
  // ones that differ from the start values when the next one comes.
  std::array<std::array<int, kMaxProps>, kTypeCount> entered_{};
  std::array<std::size_t, kTypeCount> enteredCount_{};
};

} // namespace korvane
