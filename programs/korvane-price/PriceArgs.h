#pragma once
// The command line of korvane-price.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "bill/job/JobFormats.h"

namespace korvane {

// A job output written to a file besides what is printed (--html FILE).
struct TFileOutput {
  const TJobFormat *Format = nullptr;
  std::string Path;
};

struct TPriceArgs {
  std::vector<std::string_view> Item; // TYPE KEY=VALUE ...
  bool Erection = false;
  bool Brackets = false;
  bool Help = false;
  // The format printed on standard output, from the format table; text
  // unless one of its options (--json, --csv ...) is given.
  const TJobFormat *Print = nullptr;
  std::optional<std::string> Costs;
  std::optional<std::string> DataDir;
  std::optional<std::string> ItemFile;
  std::optional<std::string> Batch;   // a file name, or "-" for standard input
  std::optional<std::string> Bill;    // a bill to price as a job, or "-"
  std::optional<std::string> Takeoff; // a take-off to price as the bill it becomes
  std::optional<std::string> Ifc;     // a building model to price as the bill it becomes
  std::optional<std::string> BillOut; // with Takeoff or Ifc: where that bill is written
  std::optional<std::string> Sheet;   // with Takeoff: the XLSX sheet by name
  std::vector<TFileOutput> Files;     // with Bill: the files to write
  std::optional<std::string> Company; // with Bill: the company profile's INI file
  unsigned Jobs = 0;                  // batch threads; 0: one per processor

  bool Prints(std::string_view format) const { return Print && Print->Name == format; }
  // A job is priced: a bill, a take-off's or a model's.
  bool Job() const { return Bill || Takeoff || Ifc; }
};

// `args` without the program name. Options may stand anywhere, "--name=value"
// and "--name value" alike; "--" ends them. False with one line of error.
bool ParsePriceArgs(std::span<const std::string_view> args, TPriceArgs &out, std::string &error);

// The --help text, its output options taken from the format table.
std::string_view PriceUsage();

} // namespace korvane
