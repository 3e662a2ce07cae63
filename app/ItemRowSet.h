#pragma once
// One row model per item type, built once, for callers that price items
// without a grid on screen: the command-line pricer, benchmarks and tests.
// The desktop window has its Dimensions grid instead.
#include <array>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "app/Catalogue.h"
#include "base/MessageSink.h"
#include "controls/CellStore.h"
#include "controls/EntryRows.h"

namespace korvane {

class TItemRowSet {
public:
  // Builds the rows of every type from the catalogue's row texts and shows
  // its current values. `sink` hears about row texts that do not build; it
  // must outlive the set.
  TItemRowSet(const TCatalogue &catalogue, TMessageSink &sink);

  TEntryRows &Rows(int type) { return *rows_[static_cast<std::size_t>(type)]; }
  const TEntryRows &Rows(int type) const { return *rows_[static_cast<std::size_t>(type)]; }

  // Writes `values` into the rows of `type`, as the window does after a type
  // switch, and remembers the texts for Restore.
  void Show(int type, const TMyVarArray &values);
  // Puts back the value texts of the last Show, touching only the rows that
  // changed since: the cheap way to start the next item afresh.
  void Restore(int type);
  // The same for the data rows listed, when only those can have changed.
  void Restore(int type, std::span<const int> rows);

private:
  std::array<std::unique_ptr<TCellStore>, kTypeCount> cells_;
  std::array<std::unique_ptr<TEntryRows>, kTypeCount> rows_;
  std::array<std::vector<std::string>, kTypeCount> shown_;
};

} // namespace korvane
