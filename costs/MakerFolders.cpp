#include "costs/MakerFolders.h"

#include <algorithm>

namespace korvane {

std::string MakerFolder(const std::string &ProgramDir, const std::string &ProgramFilesDir) {
  // ASCII upper case only, byte for byte, so a position found in the upper
  // case text is the same position in the UTF-8 original.
  std::string upper = ProgramDir;
  std::transform(upper.begin(), upper.end(), upper.begin(), [](char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  });
  const std::size_t pos = upper.find("TARNWELL");
  if (pos != std::string::npos)
    return ProgramDir.substr(0, pos) + "Tarnwell/";
  return ProgramFilesDir + "Tarnwell/";
}

std::string FromProgramDir(const std::string &ProgramDir, const std::string &name) {
  if (name.empty() || name.front() == '/' || ProgramDir.empty())
    return name;
  return ProgramDir.back() == '/' ? ProgramDir + name : ProgramDir + '/' + name;
}

std::string SharedDataFolder(const std::string &ProgramDir, const std::string &ProgramFilesDir) {
  return MakerFolder(ProgramDir, ProgramFilesDir) + "Common Files/";
}

} // namespace korvane
