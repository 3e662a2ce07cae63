#include "base/UserFolders.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace korvane {

namespace {

std::string WithSlash(std::string dir) {
  while (dir.size() > 1 && dir.back() == '/')
    dir.pop_back();
  if (dir.empty() || dir.back() != '/')
    dir += '/';
  return dir;
}

} // namespace

std::string XdgBaseFolder(const char *value, const std::string &home, const char *fallback) {
  // A relative value is to be ignored: it would name a different folder in
  // every current folder.
  if (value != nullptr && value[0] == '/')
    return WithSlash(value);
  return WithSlash(home + fallback);
}

std::string HomeFolder() {
  if (const char *home = std::getenv("HOME"); home != nullptr && home[0] == '/')
    return home;
  long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(static_cast<std::size_t>(size > 0 ? size : 16384));
  passwd entry{};
  passwd *found = nullptr;
  if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
      found->pw_dir != nullptr)
    return found->pw_dir;
  return "/";
}

std::string TarnwellStateFolder() {
  return XdgBaseFolder(std::getenv("XDG_STATE_HOME"), HomeFolder(), "/.local/state") + "Tarnwell/";
}

std::string UserDataFilesFolder() {
  return XdgBaseFolder(std::getenv("XDG_DATA_HOME"), HomeFolder(), "/.local/share") +
         "Tarnwell/Data Files/";
}

} // namespace korvane
