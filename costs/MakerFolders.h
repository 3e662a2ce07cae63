#pragma once
// Where the maker's programs keep what they share. A program installed under
// a "Tarnwell" folder finds its data beside it; any other finds it under the
// Program Files folder.
#include <string>

namespace korvane {

// The Program Files folder of this platform, with its trailing '/'.
inline constexpr const char *kProgramFilesDir = "/opt/";

// The installed layout's default cost file, relative to the program folder;
// reports name it by this text.
inline constexpr const char *kDefaultCostFile = "../Data Files/Default.cst";

// A file named relative to the program's folder, as the shipped default and
// the calculator's remembered cost file are: found there wherever the program
// was started from, never in the current folder. An empty or absolute name
// is returned as it is.
std::string FromProgramDir(const std::string &ProgramDir, const std::string &name);

// ProgramDir is the program's folder with a trailing '/'. When its upper-case
// form contains "TARNWELL", the text before that occurrence followed by
// "Tarnwell/"; otherwise ProgramFilesDir followed by "Tarnwell/".
std::string MakerFolder(const std::string &ProgramDir,
                        const std::string &ProgramFilesDir = kProgramFilesDir);

// The maker's folder followed by "Common Files/": home of "FPrice.dta" and
// "Fittings.ini".
std::string SharedDataFolder(const std::string &ProgramDir,
                             const std::string &ProgramFilesDir = kProgramFilesDir);

} // namespace korvane
