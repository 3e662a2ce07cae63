#pragma once
// A take-off's bill priced as a job: the bill's text fed to the job as a
// bill file's would be, and each take-off row that could not be an item
// told to the job as an error on the comment line that stands for it, so
// the job's error list, its outputs and korvane-price's exit status show it
// as they show a bad bill line.
#include "bill/job/BillJob.h"
#include "bill/takeoff/TakeoffBill.h"

namespace korvane {

void FeedTakeoffBill(TBillJob &job, const TTakeoffBill &bill);

} // namespace korvane
