#pragma once
// The folders the program records at start, as texts with a trailing '/'.
#include <QString>

namespace korvane {

struct TProgramFolders {
  QString ProgramDir;    // the folder of the program file
  QString DocumentsDir;  // the user's documents folder
  QString UserDir;       // DocumentsDir + "Tarnwell/korvane/"
  QString SharedDataDir; // the maker's "Common Files/" folder
};

// Works the folders out for a program file in `programDir` (with or
// without its trailing '/'), and creates the per-user folder when missing.
// A per-user folder that cannot be created is left for later: nothing at
// start needs it.
TProgramFolders RecordProgramFolders(const QString &programDir);

// The guide, one page for every window: "Help/Korvane.htm" under the
// program's folder.
QString HelpPagePath(const QString &programDir);

// `dir` with exactly one trailing '/'.
QString WithTrailingSlash(const QString &dir);

} // namespace korvane
