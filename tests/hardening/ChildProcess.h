#pragma once
// Running a piece of a test in a child process: the only way to test a save
// killed half-way, and a clean way to change what a process may do (drop to
// an unprivileged user, mount a tiny file system in a mount namespace of its
// own) without touching the test process or the machine.
#include <functional>
#include <string>
#include <sys/types.h>

namespace korvane::test {

// Runs `body` in a forked child and returns the text it returned. A child
// that ends without returning gives "exit N" or "signal N".
std::string InChild(const std::function<std::string()> &body);

// In a child: becomes the unprivileged user `kNobody` so permission bits
// apply even when the tests run as root. False when that is not allowed.
inline constexpr uid_t kNobody = 65534;
bool DropPrivileges();

// In a child: mounts a file system of `kib` KiB over `folder`, visible to
// this process only. False (with the reason in `why`) where mounting is not
// allowed.
bool MountTinyDisk(const std::string &folder, int kib, std::string &why);

// Fills the file system under `folder` until not one more byte fits.
void FillDisk(const std::string &folder);

// Exit codes of a child that was "killed" by design.
inline constexpr int kKilledWhileWriting = 77;
inline constexpr int kKilledBeforeRename = 78;

// While set, the next rename() of this process ends it at once with
// kKilledBeforeRename: a save killed after writing its temporary file.
void KillAtNextRename(bool on);

} // namespace korvane::test
