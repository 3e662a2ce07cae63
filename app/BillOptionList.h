#pragma once
// The option list of an item's bill line, kept by every solve so that the
// Copy command and the command-line pricer write what was priced.
#include <string>

#include "engine/Engine.h"

namespace korvane {

// Rebuilds `BillOptions` from the settings the last solve priced with:
// erection, brackets, reinforcing (spiral duct and elbows only), insulation
// with its thickness, and a forced gauge up to 1.2 mm. The flange is no part
// of it.
void BuildBillOptions(int type, const TEngineSettings &settings, std::string &BillOptions);

} // namespace korvane
