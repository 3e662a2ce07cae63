#include "base/FileIO.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korvane {

namespace {

std::atomic<TWriteFaultHook> writeFaultHook{nullptr};

bool Fail(std::string *error, int code) {
  if (error)
    *error = std::strerror(code);
  return false;
}

// Closes on scope exit unless released.
class TFd {
public:
  explicit TFd(int fd) : fd_(fd) {}
  TFd(const TFd &) = delete;
  TFd &operator=(const TFd &) = delete;
  ~TFd() {
    if (fd_ >= 0)
      ::close(fd_);
  }
  int get() const { return fd_; }
  // Closes now and reports the result: a failed close can lose written data.
  int close() {
    const int rc = ::close(fd_);
    fd_ = -1;
    return rc;
  }

private:
  int fd_;
};

std::string FolderOf(const std::string &path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos)
    return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// Creates "<path>.tmp-XXXXXX" exclusively. Done by hand rather than with
// mkstemp so the new file gets the usual 0666-minus-umask permissions.
constexpr std::string_view kTempMark = ".tmp-";
constexpr int kTempSuffix = 6;
// A temporary file this young may belong to a save that has yet to lock it.
constexpr std::time_t kStaleSeconds = 60;

int CreateTemp(const std::string &path, std::string &tempPath, mode_t mode) {
  static std::atomic<unsigned long long> counter{0};
  static const char kChars[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  unsigned long long seed =
      static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
      (static_cast<unsigned long long>(::getpid()) << 32);
  for (int attempt = 0; attempt < 100; ++attempt) {
    unsigned long long x = seed + 0x9E3779B97F4A7C15ull * ++counter;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    x ^= x >> 31;
    tempPath = path + std::string(kTempMark);
    for (int i = 0; i < kTempSuffix; ++i, x /= 36)
      tempPath += kChars[x % 36];
    const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd >= 0 || errno != EEXIST)
      return fd;
  }
  errno = EEXIST;
  return -1;
}

bool WriteAll(int fd, const std::string &target, std::string_view bytes) {
  constexpr std::size_t kChunk = 1u << 16;
  std::size_t offset = 0;
  do {
    const std::size_t size = std::min(kChunk, bytes.size() - offset);
    const TWriteFaultHook hook = writeFaultHook.load();
    if (hook && !hook(target, offset, size)) {
      errno = ENOSPC;
      return false;
    }
    const ssize_t written = ::write(fd, bytes.data() + offset, size);
    if (written < 0) {
      if (errno == EINTR)
        continue;
      return false;
    }
    if (written == 0 && size > 0) {
      errno = EIO;
      return false;
    }
    offset += static_cast<std::size_t>(written);
  } while (offset < bytes.size());
  return true;
}

bool IsTempName(std::string_view name, std::string_view prefix) {
  if (name.size() != prefix.size() + kTempSuffix || !name.starts_with(prefix))
    return false;
  return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(),
                     [](char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); });
}

// A save killed between creating its temporary file and the rename leaves
// that file behind. The next successful save of the same target clears such
// leftovers: a save in progress holds a lock on its temporary file, so a file
// whose lock can be taken (and that is older than a minute) has no writer.
void RemoveStaleTemps(const std::string &target) {
  const std::string folder = FolderOf(target);
  const std::size_t slash = target.rfind('/');
  const std::string prefix =
      (slash == std::string::npos ? target : target.substr(slash + 1)) + std::string(kTempMark);
  DIR *dir = ::opendir(folder.c_str());
  if (!dir)
    return;
  const std::time_t now = std::time(nullptr);
  while (const dirent *entry = ::readdir(dir)) {
    if (!IsTempName(entry->d_name, prefix))
      continue;
    const std::string path = folder + "/" + entry->d_name;
    TFd fd(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat st {};
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) ||
        now - st.st_mtime < kStaleSeconds)
      continue;
    if (::flock(fd.get(), LOCK_EX | LOCK_NB) == 0)
      ::unlink(path.c_str());
  }
  ::closedir(dir);
}

// `privateMode`: the file is its owner's alone (0600) from its first byte,
// whatever the file it replaces allowed.
bool WriteAtomically(const std::string &path, std::string_view bytes, std::string *error,
                     bool privateMode);

} // namespace

void SetWriteFaultHook(TWriteFaultHook hook) {
  writeFaultHook.store(hook);
}

bool FileExists(const std::string &path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool ReadFileBytes(const std::string &path, std::string &out, std::string *error, std::size_t limit,
                   bool *missing) {
  if (missing)
    *missing = false;
  limit = std::min(limit, std::size_t(-1) - 1);
  // Non-blocking so that a named pipe given as a file name cannot hang the
  // program in open(); it is refused below like any other special file.
  TFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (fd.get() < 0) {
    if (missing && errno == ENOENT)
      *missing = true;
    return Fail(error, errno);
  }
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0)
    return Fail(error, errno);
  if (S_ISDIR(st.st_mode))
    return Fail(error, EISDIR);
  if (!S_ISREG(st.st_mode))
    return Fail(error, EINVAL);
  // Read one byte past the limit to tell a file that is too large from one
  // that fits exactly; the size from fstat is only a hint (/proc, a file
  // that grows while it is read).
  std::string bytes;
  bytes.reserve(std::min<std::size_t>(static_cast<std::size_t>(st.st_size), limit) + 1);
  char buf[1 << 16];
  while (bytes.size() <= limit) {
    const std::size_t want = std::min(sizeof buf, limit + 1 - bytes.size());
    const ssize_t got = ::read(fd.get(), buf, want);
    if (got < 0) {
      if (errno == EINTR)
        continue;
      return Fail(error, errno);
    }
    if (got == 0)
      break;
    bytes.append(buf, static_cast<std::size_t>(got));
  }
  if (bytes.size() > limit)
    return Fail(error, EFBIG);
  out = std::move(bytes);
  return true;
}

bool AtomicWriteFile(const std::string &path, std::string_view bytes, std::string *error) {
  return WriteAtomically(path, bytes, error, false);
}

bool AtomicWritePrivateFile(const std::string &path, std::string_view bytes, std::string *error) {
  return WriteAtomically(path, bytes, error, true);
}

namespace {

bool WriteAtomically(const std::string &path, std::string_view bytes, std::string *error,
                     bool privateMode) {
  if (path.empty())
    return Fail(error, ENOENT);
  // Saving through a symbolic link replaces the file it points to, not the link.
  std::string target = path;
  struct stat st {};
  bool exists = ::lstat(path.c_str(), &st) == 0;
  if (exists && S_ISLNK(st.st_mode)) {
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved))
      target = resolved;
  }
  exists = ::stat(target.c_str(), &st) == 0;
  if (exists && S_ISDIR(st.st_mode))
    return Fail(error, EISDIR);
  // A device or pipe would be replaced by a plain file, not written to.
  if (exists && !S_ISREG(st.st_mode))
    return Fail(error, EINVAL);
  // The rename would replace a file the user may not write, as if it could be.
  if (exists && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
    return Fail(error, errno);

  std::string tempPath;
  TFd fd(CreateTemp(target, tempPath, privateMode ? 0600 : 0666));
  if (fd.get() < 0)
    return Fail(error, errno);
  // Held until the file is closed: tells RemoveStaleTemps that it is in use.
  ::flock(fd.get(), LOCK_EX | LOCK_NB);
  const auto abandon = [&](int code) {
    ::unlink(tempPath.c_str());
    return Fail(error, code);
  };
  // A replaced file keeps its permissions; a private one gets exactly 0600,
  // which the umask may not have left.
  if (privateMode ? ::fchmod(fd.get(), 0600) != 0
                  : exists && ::fchmod(fd.get(), st.st_mode & 07777) != 0)
    return abandon(errno);
  if (!WriteAll(fd.get(), path, bytes) || ::fsync(fd.get()) != 0)
    return abandon(errno);
  if (fd.close() != 0)
    return abandon(errno);
  if (::rename(tempPath.c_str(), target.c_str()) != 0)
    return abandon(errno);
  // Make the rename itself durable; a failure here no longer risks the data.
  TFd dir(::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.get() >= 0)
    ::fsync(dir.get());
  RemoveStaleTemps(target);
  return true;
}

} // namespace

bool ReadBlocks(int fd, const std::function<bool(std::string_view)> &feed, std::string &error) {
  std::array<char, 64u << 10> block;
  while (true) {
    const ssize_t n = ::read(fd, block.data(), block.size());
    if (n < 0 && errno == EINTR)
      continue;
    if (n < 0) {
      error = std::strerror(errno);
      return false;
    }
    if (n == 0 || !feed(std::string_view(block.data(), static_cast<std::size_t>(n))))
      return true;
  }
}

bool ReadFileBlocks(const std::string &path, const std::function<bool(std::string_view)> &feed,
                    std::string &error) {
  const TFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) {
    error = std::strerror(errno);
    return false;
  }
  return ReadBlocks(fd.get(), feed, error);
}

} // namespace korvane
