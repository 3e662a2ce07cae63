#include "tests/hardening/ChildProcess.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace korvane::test {

namespace {
std::atomic<bool> killAtRename{false};
} // namespace

std::string InChild(const std::function<std::string()> &body) {
  int fds[2];
  if (::pipe(fds) != 0)
    return "pipe failed";
  std::fflush(nullptr);
  const pid_t pid = ::fork();
  if (pid < 0)
    return "fork failed";
  if (pid == 0) {
    ::close(fds[0]);
    const std::string out = body();
    std::size_t done = 0;
    while (done < out.size()) {
      const ssize_t n = ::write(fds[1], out.data() + done, out.size() - done);
      if (n <= 0)
        break;
      done += static_cast<std::size_t>(n);
    }
    ::_exit(0);
  }
  ::close(fds[1]);
  std::string text;
  char buf[4096];
  for (ssize_t n; (n = ::read(fds[0], buf, sizeof buf)) != 0;) {
    if (n < 0 && errno == EINTR)
      continue;
    if (n < 0)
      break;
    text.append(buf, static_cast<std::size_t>(n));
  }
  ::close(fds[0]);
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  if (WIFSIGNALED(status))
    return "signal " + std::to_string(WTERMSIG(status));
  if (WIFEXITED(status) && WEXITSTATUS(status) != 0)
    return "exit " + std::to_string(WEXITSTATUS(status));
  return text;
}

bool DropPrivileges() {
  if (::geteuid() != 0)
    return true;
  return ::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0 &&
         ::geteuid() == kNobody;
}

bool MountTinyDisk(const std::string &folder, int kib, std::string &why) {
  if (::unshare(CLONE_NEWNS) != 0) {
    why = std::string("no mount namespace: ") + std::strerror(errno);
    return false;
  }
  // Keep the mount from reaching the machine's own namespace.
  if (::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
    why = std::string("cannot make mounts private: ") + std::strerror(errno);
    return false;
  }
  const std::string options = "size=" + std::to_string(kib) + "k,mode=0777";
  if (::mount("korvane-test", folder.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) !=
      0) {
    why = std::string("cannot mount a small disk: ") + std::strerror(errno);
    return false;
  }
  return true;
}

void FillDisk(const std::string &folder) {
  const std::string path = folder + "/filler";
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0)
    return;
  static const char block[4096] = {};
  while (::write(fd, block, sizeof block) > 0) {
  }
  while (::write(fd, block, 1) > 0) {
  }
  ::close(fd);
}

void KillAtNextRename(bool on) {
  killAtRename = on;
}

} // namespace korvane::test

// Every rename of the test program passes here (the library's calls and the
// C++ library's alike resolve to the program's own definition first), so a
// test can end a save exactly between writing and renaming.
extern "C" int rename(const char *from, const char *to) noexcept {
  if (korvane::test::killAtRename)
    ::_exit(korvane::test::kKilledBeforeRename);
  return static_cast<int>(::syscall(SYS_renameat, AT_FDCWD, from, AT_FDCWD, to));
}
