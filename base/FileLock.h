#pragma once
// A file held with flock() for as long as a TFileLock holds it: one holder at
// a time, and the system lets it go when the holding process ends, however
// it ends. A crashed or killed holder therefore never leaves a lock that
// looks held and has to be judged stale by its process number (a number the
// system may have given to another process since). The file names its
// holder all the same, for earlier versions that judge a lock that way.
#include <string>

namespace korvane {

class TFileLock {
public:
  enum class TTry { Taken, HeldElsewhere, Failed };

  TFileLock() = default;
  ~TFileLock() { Release(); }
  TFileLock(TFileLock &&other) noexcept;
  TFileLock &operator=(TFileLock &&other) noexcept;
  TFileLock(const TFileLock &) = delete;
  TFileLock &operator=(const TFileLock &) = delete;

  // Takes `path` without waiting, making it (for the user alone) when it is
  // missing. With `removeWhenReleased` the file goes when the lock does.
  // Failed, with `why`, when the file cannot be made or locked.
  TTry TryLock(const std::string &path, bool removeWhenReleased, std::string *why = nullptr);
  bool Held() const { return fd_ >= 0; }
  void Release();

private:
  int fd_ = -1;
  std::string path_;
  bool remove_ = false;
};

} // namespace korvane
