#include "bill/BillLine.h"

#include <cstddef>

#include "app/Catalogue.h"
#include "app/SolveItem.h"

namespace korvane {

std::string BillKeyword(int type, bool VanesFlag) {
  std::string keyword;
  if (type < 0 || type >= kTypeCount)
    return keyword;
  // The Y-piece's vanes have no keyword of their own.
  if (VanesFlag && (type == dtRadiusBend || type == dtSquareBend || type == dtSquareBendReducing))
    keyword = "Vaned";
  keyword += DuctTypes[static_cast<std::size_t>(type)].Key;
  return keyword;
}

void AppendBillText(std::string &out, int type, const TSolveReport &report,
                    std::string_view lineEnd) {
  out += BillKeyword(type, report.VanesFlag);
  out += " (";
  out += report.BillOptions;
  out += ')';
  out += lineEnd;
  out += "\t-\t";
  out += report.SummaryLine;
  out += lineEnd;
}

std::string BillClipboardText(int type, const TSolveReport &report) {
  std::string text;
  AppendBillText(text, type, report);
  return text;
}

} // namespace korvane
