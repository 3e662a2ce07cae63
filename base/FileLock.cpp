#include "base/FileLock.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <utility>

namespace korvane {

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
  fd_ = fd;
  path_ = path;
  remove_ = removeWhenReleased;
  return TTry::Taken;
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
