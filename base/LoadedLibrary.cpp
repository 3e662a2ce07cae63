#include "base/LoadedLibrary.h"

#include <dlfcn.h>

namespace korvane {

namespace {

// The loader's own text names the library: "libzip.so.4: cannot open shared
// object file: No such file or directory".
std::string LoaderError() {
  const char *why = dlerror();
  return why ? why : "unknown error";
}

} // namespace

void TLoadedLibrary::TClose::operator()(void *handle) const {
  dlclose(handle);
}

TLoadedLibrary::TLoadedLibrary(const std::string &soname) {
  // Every function is bound now, so a missing one is told here rather than
  // ending the program at its first call. The library is never unloaded:
  // code that runs as the program exits may still be in it.
  handle_.reset(dlopen(soname.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE));
  if (!handle_)
    error_ = LoaderError();
}

void *TLoadedLibrary::Symbol(const char *name) {
  if (!handle_)
    return nullptr;
  dlerror(); // forgets any earlier error, so the one told is this one
  void *symbol = dlsym(handle_.get(), name);
  if (!symbol && error_.empty())
    error_ = LoaderError();
  return symbol;
}

} // namespace korvane
