#include "app/EngineOptions.h"

#include <cstddef>

#include "app/ReportLabels.h"
#include "base/NumberText.h"

namespace korvane {

namespace {

void ApplyGauge(TEngineSettings &settings, int g) {
  if (g == 0) {
    settings.GaugeForced = false;
  } else if (g >= 1 && g <= static_cast<int>(kForcedGauges.size())) {
    settings.GaugeForced = true;
    settings.ForcedGauge = kForcedGauges[static_cast<std::size_t>(g - 1)];
  }
}

void ApplyFlange(TEngineSettings &settings, int f) {
  if (f >= ftAuto && f <= ftAngle50x5)
    settings.FlangeType = static_cast<TFlangeType>(f);
}

// Rectangular rows: None, 25 and 50 mm lining, 25 and 50 mm wrap.
void ApplyRectInsulation(TEngineSettings &settings, int i) {
  switch (i) {
  case 0:
    settings.InsulationKind = ikNone;
    break;
  case 1:
  case 2:
    settings.InsulationKind = ikInternal;
    settings.InsulThickness = i == 1 ? 25 : 50;
    break;
  case 3:
  case 4:
    settings.InsulationKind = ikExternal;
    settings.InsulThickness = i == 3 ? 25 : 50;
    break;
  default:
    break;
  }
}

// Round rows: None, 25 and 50 mm wrap.
void ApplyRoundInsulation(TEngineSettings &settings, int i) {
  if (i == 0) {
    settings.InsulationKind = ikNone;
  } else if (i == 1 || i == 2) {
    settings.InsulationKind = ikExternal;
    settings.InsulThickness = i == 1 ? 25 : 50;
  }
}

void AppendGaugeWord(std::string &out, const TEngineSettings &settings) {
  if (!settings.GaugeForced) {
    out += GaugeLabels[0];
    return;
  }
  for (std::size_t k = 0; k < kForcedGauges.size(); ++k) {
    if (kForcedGauges[k] == settings.ForcedGauge) {
      out += GaugeLabels[k + 1];
      return;
    }
  }
  // Only reachable by a caller that set the gauge itself.
  out += "Forced ";
  out += FormatGeneral(settings.ForcedGauge);
  out += "mm";
}

// A lining only comes from a rectangular row; should one outlive its item into
// a round one (a round row with a bad index), the words still say what it is.
void AppendInsulationWord(std::string &out, const TEngineSettings &settings) {
  const bool thick = settings.InsulThickness >= 50;
  switch (settings.InsulationKind) {
  case ikNone:
    out += RectInsulLabels[0];
    break;
  case ikInternal:
    out += RectInsulLabels[thick ? 2 : 1];
    break;
  case ikExternal:
    out += RectInsulLabels[thick ? 4 : 3];
    break;
  }
}

} // namespace

void ApplyRectOptions(TEngineSettings &settings, int g, int f, int i, std::string &OptionText) {
  ApplyGauge(settings, g);
  ApplyFlange(settings, f);
  ApplyRectInsulation(settings, i);
  OptionText.clear();
  AppendGaugeWord(OptionText, settings);
  OptionText += ' ';
  OptionText += FlangeLabels[static_cast<std::size_t>(settings.FlangeType)];
  OptionText += ' ';
  AppendInsulationWord(OptionText, settings);
}

void ApplyRoundOptions(TEngineSettings &settings, int g, int i, std::string &OptionText) {
  ApplyGauge(settings, g);
  ApplyRoundInsulation(settings, i);
  OptionText.clear();
  AppendGaugeWord(OptionText, settings);
  OptionText += ' ';
  AppendInsulationWord(OptionText, settings);
}

} // namespace korvane
