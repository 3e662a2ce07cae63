#pragma once
// A bill source page in memory, standing in for a host window.
#include <string>
#include <vector>

#include "bill/BillInsertion.h"

namespace korvane::test {

class TFakeBillHost : public TBillHost {
public:
  std::vector<std::string> lines;
  std::vector<std::string> userTypes;
  bool modified = false;

  std::vector<std::string> BillLines() const override { return lines; }
  void SetBillLines(std::vector<std::string> l) override { lines = std::move(l); }
  void SetBillModified(bool m) override { modified = m; }
  std::vector<std::string> UserTypes() const override { return userTypes; }
};

} // namespace korvane::test
