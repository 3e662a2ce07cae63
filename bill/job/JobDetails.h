#pragma once
// The job's details a bill carries in comment lines above its first item,
// one "; Field: value" line each, so that the bill stays one plain file that
// every reader of the bill language reads as before:
//
//   ; Customer: Harbour Road Properties
//   ; Customer address: 14 Quay Street
//   ; Customer address: Port Elin 4410
//   ; Project: Harbour Road offices, level 2
//   ; Quote number: Q-2026-0142
//   ; Date: 2026-03-02
//   ; Valid for: 30 days
//   ; Discount: 5%
//   ; VAT: 15%
//
// Field names are matched with case ignored; a comment whose words before
// the colon name no field stays a comment.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "bill/job/JobMoney.h"

namespace korvane {

struct TJobDetails {
  std::string Customer;
  std::vector<std::string> CustomerAddress; // one line each
  std::string Project;
  std::string Site;
  std::string Reference; // drawings and revisions
  std::string QuoteNumber;
  std::string Date; // YYYY-MM-DD
  std::optional<int> ValidDays;
  std::optional<TPercent100> Discount;
  std::optional<TPercent100> Vat;
  std::string PreparedBy;
};

// The field names, as a bill is best written with them, in the order the
// Job Details dialog shows them.
std::span<const std::string_view> JobDetailFields();

// One "; Field: value" line taken apart: the field as JobDetailFields()
// spells it, and the value, trimmed.
struct TDetailText {
  std::string_view Field;
  std::string Value;
};

// Null when `line` names no field.
std::optional<TDetailText> SplitJobDetailLine(std::string_view line);

// The details as a bill writes them, in JobDetailFields()'s order, the
// customer's address one line each; fields not set are left out.
std::vector<TDetailText> JobDetailTexts(const TJobDetails &details);

enum class TDetailLine {
  NotAField, // any other line or comment
  Read,
  Bad, // a field whose value does not read; the reason says why
};

// Reads one bill line (without its line end) into `details` when it is a
// "; Field: value" line. An empty value leaves the field unset.
TDetailLine ReadJobDetailLine(std::string_view line, TJobDetails &details, std::string &reason);

// The longest validity a quote may name.
constexpr int kMaxValidDays = 3660;

// "12.5%": a percentage from 0 to 100 with at most two decimals; false with
// `reason` (what the text should read as) for any other text.
bool ReadPercentText(std::string_view text, TPercent100 &out, std::string &reason);

// "2026-03-02" read as a calendar date; false for any other text.
bool IsCalendarDate(std::string_view text);
// `date` (YYYY-MM-DD) and `days` after it, as YYYY-MM-DD; empty when `date`
// is no calendar date.
std::string DateAfterDays(std::string_view date, int days);

} // namespace korvane
