#include "programs/korvane-bill/BillArgs.h"

namespace korvane {

bool ParseBillArgs(const std::vector<std::string> &words, TBillArgs &args, std::string &error) {
  bool options = true;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string &word = words[i];
    if (options && word == "--") {
      options = false;
    } else if (options && (word == "-h" || word == "--help")) {
      args.Help = true;
    } else if (options && (word == "--export" || word == "--company")) {
      std::optional<std::string> &value = word == "--export" ? args.ExportTo : args.Company;
      if (i + 1 == words.size() || words[i + 1].empty()) {
        error = word + " needs a file name";
        return false;
      }
      if (value) {
        error = word + " is given twice";
        return false;
      }
      value = words[++i];
    } else if (options && word.size() > 1 && word.front() == '-') {
      error = "unknown option '" + word + "'";
      return false;
    } else {
      args.Bills.push_back(word);
    }
  }
  if (args.ExportTo && args.Bills.size() != 1) {
    error = "--export writes one bill: name exactly one";
    return false;
  }
  return true;
}

} // namespace korvane
