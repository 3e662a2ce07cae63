#include "bill/takeoff/TakeoffJob.h"

namespace korvane {

void FeedTakeoffBill(TBillJob &job, const TTakeoffBill &bill) {
  const std::string_view text = bill.Text();
  TBillLineFeed feed(job, text);
  for (const TTakeoffNote &note : bill.Notes()) {
    if (!note.Bad)
      continue;
    // Up to and with the note's own line, so the reader has read every line
    // before it and the errors stay in line order.
    feed.Through(note.BillLine);
    job.Pricer().Error(note.BillLine, "take-off " + note.Said());
  }
  feed.Rest();
}

} // namespace korvane
