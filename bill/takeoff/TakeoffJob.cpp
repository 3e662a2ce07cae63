#include "bill/takeoff/TakeoffJob.h"

namespace korvane {

void FeedTakeoffBill(TBillJob &job, const TTakeoffBill &bill) {
  const std::string_view text = bill.Text();
  std::size_t at = 0;
  int line = 1;
  for (const TTakeoffNote &note : bill.Notes()) {
    if (!note.Bad)
      continue;
    // Up to and with the note's own line, so the reader has read every line
    // before it and the errors stay in line order.
    while (line <= note.BillLine && at < text.size()) {
      const std::size_t nl = text.find('\n', at);
      const std::size_t end = nl == std::string_view::npos ? text.size() : nl + 1;
      job.Feed(text.substr(at, end - at));
      at = end;
      ++line;
    }
    job.Pricer().Error(note.BillLine, "take-off " + note.Said());
  }
  job.Feed(text.substr(at));
}

} // namespace korvane
