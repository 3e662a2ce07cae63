#pragma once
// The command line of korvane-price.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

struct TPriceArgs {
  std::vector<std::string_view> Item; // TYPE KEY=VALUE ...
  bool Erection = false;
  bool Brackets = false;
  bool Json = false;
  bool Csv = false;
  bool Help = false;
  std::optional<std::string> Costs;
  std::optional<std::string> DataDir;
  std::optional<std::string> ItemFile;
  std::optional<std::string> Batch; // a file name, or "-" for standard input
  std::optional<std::string> Bill;  // a bill to price as a job, or "-"
  std::optional<std::string> Html;  // with Bill: the quote page to write
  unsigned Jobs = 0;                // batch threads; 0: one per processor
};

// `args` without the program name. Options may stand anywhere, "--name=value"
// and "--name value" alike; "--" ends them. False with one line of error.
bool ParsePriceArgs(std::span<const std::string_view> args, TPriceArgs &out, std::string &error);

// The --help text.
std::string_view PriceUsage();

} // namespace korvane
