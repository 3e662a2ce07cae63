#pragma once
// korvane-bill's command line: the bills to open, or one bill to export
// with no window, and the company profile the quotes are from.
#include <optional>
#include <string>
#include <vector>

namespace korvane {

struct TBillArgs {
  std::vector<std::string> Bills;
  std::optional<std::string> ExportTo; // --export FILE
  std::optional<std::string> Company;  // --company FILE
  bool Help = false;
};

// False with `error` for a usage error. "--" ends the options, so a bill
// may be named "-x.dct".
bool ParseBillArgs(const std::vector<std::string> &words, TBillArgs &args, std::string &error);

} // namespace korvane
