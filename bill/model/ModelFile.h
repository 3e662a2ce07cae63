#pragma once
// A building model read into the bill it becomes, and that bill priced as
// a job with the model's elements that are not priced among its notes.
#include <string>
#include <string_view>

#include "bill/job/BillJob.h"
#include "bill/model/ModelBill.h"

namespace korvane {

// The bytes of model `name`, whole. False with `error` naming the model when
// they are no STEP file of a known schema or cannot be measured.
bool ReadModelText(std::string_view bytes, std::string_view name, TModelBill &bill,
                   std::string &error);

// Model file `path`, read as it streams in.
bool ReadModelFile(const std::string &path, TModelBill &bill, std::string &error);

// Feeds the bill to `job`, each element not priced told at its comment line
// and each line in error with the GlobalIds it came from. `bill` must
// outlive the job.
void FeedModelBill(TBillJob &job, const TModelBill &bill);

} // namespace korvane
