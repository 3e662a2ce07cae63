#include "base/FileLock.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace korvane {

namespace {

// The holder's process number and program name, one per line, followed by
// an empty host line: the form earlier versions of the program (which judged
// a lock by its file's contents) read, so a copy of one of those finds a lock
// whose holder has ended free, and one whose holder runs held.
std::string HolderText() {
  char exe[4096];
  const ssize_t n = ::readlink("/proc/self/exe", exe, sizeof exe);
  std::string_view name(exe, n > 0 ? static_cast<std::size_t>(n) : 0);
  if (const auto slash = name.rfind('/'); slash != std::string_view::npos)
    name.remove_prefix(slash + 1);
  return std::to_string(::getpid()) + '\n' + std::string(name) + "\n\n";
}

// True when `path` still names the file open as `fd`: a holder that removes
// its file on release may do so between our open and our lock, leaving us a
// lock on a file no one else can find.
bool StillNamed(int fd, const std::string &path) {
  struct stat held {};
  struct stat named {};
  return ::fstat(fd, &held) == 0 && ::stat(path.c_str(), &named) == 0 &&
         held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

// Writes the holder's text over what the last holder left, cutting the file
// only when that was longer (emptying it first costs the file system a
// journal entry). A courtesy to earlier versions: the lock holds whether or
// not it is written.
void NameHolder(int fd) {
  const std::string holder = HolderText();
  const auto size = static_cast<ssize_t>(holder.size());
  struct stat was {};
  if (::pwrite(fd, holder.data(), holder.size(), 0) == size && ::fstat(fd, &was) == 0 &&
      was.st_size > size)
    static_cast<void>(::ftruncate(fd, size));
}

} // namespace

TFileLock::TFileLock(TFileLock &&other) noexcept
    : fd_(std::exchange(other.fd_, -1)), path_(std::move(other.path_)), remove_(other.remove_) {}

TFileLock &TFileLock::operator=(TFileLock &&other) noexcept {
  if (this != &other) {
    Release();
    fd_ = std::exchange(other.fd_, -1);
    path_ = std::move(other.path_);
    remove_ = other.remove_;
  }
  return *this;
}

TFileLock::TTry TFileLock::TryLock(const std::string &path, bool removeWhenReleased,
                                   std::string *why) {
  Release();
  for (int attempt = 0; attempt < 3; ++attempt) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
      if (why)
        *why = std::strerror(errno);
      return TTry::Failed;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
      const int error = errno;
      ::close(fd);
      if (error == EWOULDBLOCK)
        return TTry::HeldElsewhere;
      if (why)
        *why = std::strerror(error);
      return TTry::Failed;
    }
    if (!StillNamed(fd, path)) {
      ::close(fd);
      continue;
    }
    NameHolder(fd);
    fd_ = fd;
    path_ = path;
    remove_ = removeWhenReleased;
    return TTry::Taken;
  }
  // Taken and removed by others three times over: someone holds it now.
  return TTry::HeldElsewhere;
}

void TFileLock::Release() {
  if (fd_ < 0)
    return;
  // Removed while still held, so no one takes the file on its way out.
  if (remove_)
    ::unlink(path_.c_str());
  ::close(fd_);
  fd_ = -1;
}

} // namespace korvane
