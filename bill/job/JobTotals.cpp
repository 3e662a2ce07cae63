#include "bill/job/JobTotals.h"

namespace korvane {

void TJobTotals::Add(long quantity, double price, double area, double insArea, double weight,
                     double gauge, TInsulationKind kind, double thickness) {
  const auto q = static_cast<double>(quantity);
  Price += q * price;
  Area += q * area;
  InsArea += q * insArea;
  Weight += q * weight;
  TSheetTotal &sheet = Sheets[gauge];
  sheet.Area += q * area;
  sheet.Weight += q * weight;
  if (kind != ikNone && insArea != 0)
    Insulation[{kind, static_cast<int>(thickness)}] += q * insArea;
  ++Priced;
}

std::string_view InsulationKindWord(int kind) {
  return kind == ikInternal ? "Internal" : kind == ikExternal ? "External" : "None";
}

} // namespace korvane
