#include "costs/FileStart.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korvane {

bool ReadFileStart(const std::string &path, std::size_t count, std::string &out) {
  // Non-blocking, so a named pipe given as a file name cannot hang open();
  // it is then refused like every other file that is not a plain file.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0)
    return false;
  struct stat st {};
  bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
  std::string bytes(count, '\0');
  std::size_t got = 0;
  while (ok && got < count) {
    const ssize_t n = ::read(fd, bytes.data() + got, count - got);
    if (n < 0 && errno == EINTR)
      continue;
    if (n <= 0) {
      ok = n == 0;
      break;
    }
    got += static_cast<std::size_t>(n);
  }
  ::close(fd);
  if (!ok)
    return false;
  bytes.resize(got);
  out = std::move(bytes);
  return true;
}

} // namespace korvane
