#pragma once
// The job's details as the Job Details dialog edits them: read from the
// bill's "; Field: value" lines above its first item, and written back in
// their place so that every other byte of the bill stays as it was.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "bill/job/JobDetails.h"

namespace korvane {

// The bill's detail lines in order, bad values as written.
std::vector<TDetailText> ReadBillDetails(std::string_view bill);

// `bill` with its detail lines replaced by `details`, one line each (those
// with an empty value left out), where the first of them stood, or at the
// top of a bill that had none. The new lines end as the bill's first line
// does.
std::string WithBillDetails(std::string_view bill, std::span<const TDetailText> details);

// `bill` with `field` set to `value`: its line changed in place, or a line
// added after the other details.
std::string WithBillDetail(std::string_view bill, std::string_view field, std::string_view value);

} // namespace korvane
