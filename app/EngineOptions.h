#pragma once
// The option rows of an item (Gauge, Flange, Insulation) turned into engine
// settings, and the option words the report prints for them.
#include <string>

#include "engine/Engine.h"

namespace korvane {

// g, f and i are the item indexes of the Gauge, Flange and Insulation rows.
// An index outside its row's items leaves the setting it drives as it was.
// `OptionText` is replaced by the words of the settings now in force, so a
// stale setting kept by a bad index is named for what it prices.
void ApplyRectOptions(TEngineSettings &settings, int g, int f, int i, std::string &OptionText);
void ApplyRoundOptions(TEngineSettings &settings, int g, int i, std::string &OptionText);

} // namespace korvane
