#pragma once
// The user's own folders under the XDG base directories, where the program
// keeps what the user may change: what the package installs is read-only.
// Worked out from the environment on every call, so a test that points
// XDG_STATE_HOME or XDG_DATA_HOME elsewhere is honoured at once.
#include <string>

namespace korvane {

// The XDG rule for one base folder: `value` (the variable's text) when it is
// an absolute path, else `home` followed by `fallback` ("/.local/state").
// Always with one trailing '/'.
std::string XdgBaseFolder(const char *value, const std::string &home, const char *fallback);

// $HOME, or the account database's home folder when it is unset.
std::string HomeFolder();

// $XDG_STATE_HOME/Tarnwell/ (~/.local/state/Tarnwell/): what the programs
// keep between runs that is no document, such as unsaved bills.
std::string TarnwellStateFolder();

// $XDG_DATA_HOME/Tarnwell/Data Files/ (~/.local/share/Tarnwell/Data Files/):
// the user's own cost files.
std::string UserDataFilesFolder();

} // namespace korvane
