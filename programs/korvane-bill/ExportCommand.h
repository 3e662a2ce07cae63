#pragma once
// korvane-bill --export FILE BILL: the bill priced and written as FILE's
// extension says, as the window's Export writes it, with no window and no
// display. Exit status 0 written, 1 written with lines not priced or bad,
// 2 nothing written.
#include "programs/korvane-bill/BillArgs.h"

namespace korvane {

// Makes its own (windowless) application from argc and argv.
int RunExport(int argc, char *argv[], const TBillArgs &args);

} // namespace korvane
