#pragma once
// A shared library opened when a feature first needs it instead of at every
// start of the program. Opening a library costs its start its share of the
// dynamic loader's work; the spreadsheet libraries bring the system's crypto
// library with them, and together they cost a window a few milliseconds of
// every start for a feature used now and then. A library that cannot be
// opened fails only the feature that wanted it, saying why; the program
// starts all the same.
#include <memory>
#include <string>

namespace korvane {

class TLoadedLibrary {
public:
  // Opens the library installed as `soname` ("libzip.so.4"). It stays in
  // memory for the rest of the run, whatever becomes of this.
  explicit TLoadedLibrary(const std::string &soname);

  bool Loaded() const { return handle_ != nullptr; }
  // Why the library or one of its functions could not be had, naming the
  // library; empty when all went well.
  const std::string &Error() const { return error_; }

  // Points `function` at the library's function `name`. False, with the
  // reason in Error(), when the library is not open or has no such name.
  template <class F> bool Bind(F *&function, const char *name) {
    function = reinterpret_cast<F *>(Symbol(name));
    return function != nullptr;
  }

private:
  void *Symbol(const char *name);

  struct TClose {
    void operator()(void *handle) const;
  };
  std::unique_ptr<void, TClose> handle_;
  std::string error_;
};

// The functions of the library `soname`, a struct of function pointers that
// `bind` points with TLoadedLibrary::Bind (false when one is missing). The
// library is opened and bound on the first call and kept for the run; null,
// with `error`, when it cannot be used.
template <class Functions>
const Functions *LibraryFunctions(const char *soname, bool (*bind)(TLoadedLibrary &, Functions &),
                                  std::string &error) {
  struct TOpened {
    TLoadedLibrary Library;
    Functions Bound{};
    bool Complete;
    TOpened(const char *name, bool (*binder)(TLoadedLibrary &, Functions &))
        : Library(name), Complete(Library.Loaded() && binder(Library, Bound)) {}
  };
  // One per struct of functions, made once; it never changes after.
  static const TOpened opened(soname, bind);
  if (!opened.Complete) {
    error = opened.Library.Error();
    return nullptr;
  }
  return &opened.Bound;
}

} // namespace korvane
