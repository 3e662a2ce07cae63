#include "app/BillOptionList.h"

#include "app/Catalogue.h"

namespace korvane {

void BuildBillOptions(int type, const TEngineSettings &settings, std::string &BillOptions) {
  BillOptions.clear();
  BillOptions += settings.ErectionIncluded ? "Erection=Include" : "Erection=Exclude";
  BillOptions += settings.BracketsIncluded ? ", Brackets=Include" : ", Brackets=Exclude";
  if (type == dtSpiral || type == dtElbow)
    BillOptions += settings.Reinforced ? ", Reinforcing=Include" : ", Reinforcing=Exclude";
  switch (settings.InsulationKind) {
  case ikInternal:
    BillOptions += ", Insulation=Internal";
    break;
  case ikExternal:
    BillOptions += ", Insulation=External";
    break;
  case ikNone:
    BillOptions += ", Insulation=None";
    break;
  }
  if (settings.InsulationKind != ikNone) {
    if (settings.InsulThickness == 25)
      BillOptions += ", InsThickness=25mm";
    else if (settings.InsulThickness == 50)
      BillOptions += ", InsThickness=50mm";
  }
  // The bill language knows the light gauges only; a heavier forced gauge
  // leaves the gauge to the bill's own rules.
  if (settings.GaugeForced) {
    if (settings.ForcedGauge == 0.6)
      BillOptions += ", Gauge=0.6";
    else if (settings.ForcedGauge == 0.8)
      BillOptions += ", Gauge=0.8";
    else if (settings.ForcedGauge == 1.0)
      BillOptions += ", Gauge=1.0";
    else if (settings.ForcedGauge == 1.2)
      BillOptions += ", Gauge=1.2";
  }
}

} // namespace korvane
