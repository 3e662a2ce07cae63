#pragma once
// Reading only the start of a file: binary records that ignore whatever
// follows them (cost files, the factory price file) need their first bytes,
// however long the file is.
#include <cstddef>
#include <string>

namespace korvane {

// Reads up to `count` bytes from the start of `path` into `out` (fewer when
// the file is shorter). False when the file cannot be opened or read, or is
// not a plain file (a folder, a pipe, a device).
bool ReadFileStart(const std::string &path, std::size_t count, std::string &out);

} // namespace korvane
