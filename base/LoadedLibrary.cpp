#include "base/LoadedLibrary.h"

#include <dlfcn.h>

namespace korvane {

namespace {

std::string LoaderError() {
  const char *why = dlerror();
  return why ? why : "unknown error";
}

} // namespace

void TLoadedLibrary::TClose::operator()(void *handle) const {
  dlclose(handle);
}

TLoadedLibrary::TLoadedLibrary(const std::string &soname) : soname_(soname) {
  // Every function is bound now, so a missing one is told here rather than
  // ending the program at its first call.
  handle_.reset(dlopen(soname.c_str(), RTLD_NOW | RTLD_LOCAL));
  if (!handle_)
    error_ = soname + " cannot be opened: " + LoaderError();
}

void *TLoadedLibrary::Symbol(const char *name) {
  if (!handle_)
    return nullptr;
  dlerror(); // forgets any earlier error, so the one told is this one
  void *symbol = dlsym(handle_.get(), name);
  if (!symbol && error_.empty())
    error_ = soname_ + " has no " + name + ": " + LoaderError();
  return symbol;
}

} // namespace korvane
