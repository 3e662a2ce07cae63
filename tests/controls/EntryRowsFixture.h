#pragma once
// A row model on its own store with a recording message sink, plus a tally
// of the commits and writes it reports.
#include <string>
#include <utility>
#include <vector>

#include "base/MessageSink.h"
#include "controls/EntryRows.h"

namespace korvane {

struct EntryRowsFixture {
  TCellStore cells;
  TRecordingSink sink;
  TEntryRows rows{cells, sink};
  std::vector<std::pair<int, int>> commits; // OnDoSetData calls
  int writes = 0;                           // OnCellWritten calls

  EntryRowsFixture() {
    rows.OnDoSetData = [this](int c, int r) { commits.emplace_back(c, r); };
    rows.OnCellWritten = [this](int, int) { ++writes; };
  }
  // The header and one data row.
  void Row(const std::string &text) { rows.SetLines({"Property; Value; Units", text}); }
  const std::string &Value(int row = 1) const { return cells.Cell(1, row); }
};

} // namespace korvane
