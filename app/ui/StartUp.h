#pragma once
// The program's start, before any window: number formats, the maker's
// contact details, the folders, the spiral fittings prices, the catalogue and
// the editor component's highlighters.
// The single-instance guard and the windows follow in main().
#include <QString>

#include "app/KorvaneWorld.h"
#include "base/MessageSink.h"
#include "bill/ui/HighlighterList.h"
#include "desktop/ContactDetails.h"
#include "desktop/ProgramFolders.h"

namespace korvane {

struct TStartUp {
  TProgramFolders Folders;
  TContactDetails Contact;
  // The editor component's highlighters, the bill's among them, for the
  // whole run.
  THighlighterList Highlighters;
};

// Numbers are read and written with '.' and ',' whatever the user's
// regional settings: the C library's numeric conventions go back to "C"
// (the toolkit sets them from the environment). Currency, dates and times
// stay the user's.
void FixNumberSeparators();

// Runs the start-up steps in their order for a program in `programDir`.
// False when the spiral fittings prices could not be read: the user has
// been told through `sink` and the program must end.
bool RunModuleStartUp(const QString &programDir, TKorvaneWorld &world, TStartUp &out,
                      TMessageSink &sink);

} // namespace korvane
