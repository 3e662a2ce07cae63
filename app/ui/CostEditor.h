#pragma once
// The Cost File row's property editor: the cost editor dialog over the
// program's live costs, with the INI editor behind its "Edit Fittings Price
// List" button. Both are made the first time the user asks for them, so the
// start of the program does not pay for windows it may never show.
#include <QString>

#include "app/ui/FormKorvane.h"

namespace korvane {

// `sharedDataDir` holds "Fittings.ini" and "FPrice.dta"; `settingsFile` is
// where the INI editor keeps its window placement (empty: the program's).
TCostFileEditor MakeCostEditor(QString programDir, QString sharedDataDir,
                               QString settingsFile = QString());

} // namespace korvane
