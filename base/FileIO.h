#pragma once
// File helpers shared by every reader and writer of the program.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace korvane {

// Reads a whole file of at most `limit` bytes. False (with the file layer's
// error text) when it cannot be opened or read, is a folder or another
// special file (pipe, device), or is larger than `limit` (a truncated read
// would pass for a whole file); `out` is then left unchanged. A missing file
// sets `missing`.
bool ReadFileBytes(const std::string &path, std::string &out, std::string *error = nullptr,
                   std::size_t limit = 64u << 20, bool *missing = nullptr);

// Writes `bytes` to a temporary file beside `path`, flushes it to disk and
// renames it over `path`. On any failure the temporary file is removed, the
// previous file is untouched, and `error` gets the file layer's text. A
// symbolic link stays a link: the file it points to is replaced. A target
// that is a folder or another special file fails, and so does one this
// process may not write (a read-only file). A successful save also removes
// the temporary files that saves of the same target killed before their
// rename left behind (those older than a minute whose writer is gone).
bool AtomicWriteFile(const std::string &path, std::string_view bytes, std::string *error = nullptr);

// AtomicWriteFile for a file only its owner may read and write (0600 from the
// first byte written, whatever the umask or the replaced file allowed): the
// copies of the user's work the program keeps on its own.
bool AtomicWritePrivateFile(const std::string &path, std::string_view bytes,
                            std::string *error = nullptr);

// A hook for tests: when set, called with the path given to AtomicWriteFile
// and each chunk about to be written (once with size 0 for empty contents);
// returning false makes that write fail as a full disk would. Pass nullptr to
// remove it.
using TWriteFaultHook = bool (*)(std::string_view path, std::size_t offset, std::size_t size);
void SetWriteFaultHook(TWriteFaultHook hook);

// Reads the open file `fd` to its end a block at a time, handing each block
// to `feed`; a `feed` that returns false stops the reading early. False with
// the file layer's `error` when a read fails.
bool ReadBlocks(int fd, const std::function<bool(std::string_view)> &feed, std::string &error);
// ReadBlocks over the file at `path`, opened for reading and closed after.
bool ReadFileBlocks(const std::string &path, const std::function<bool(std::string_view)> &feed,
                    std::string &error);

// True for anything at `path` that is not a folder.
bool FileExists(const std::string &path);

} // namespace korvane
