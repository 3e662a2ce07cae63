#pragma once
// What the fuzz targets share: a property check that aborts (so the fuzzer
// keeps the input as a crash and the corpus replay fails), a scratch folder
// for readers that only take file names, and a splitter that cuts the
// fuzzer's bytes into the pieces a target needs.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <string_view>

#define FUZZ_CHECK(cond)                                                                           \
  ((cond) ? (void)0 : ::korvane::fuzz::CheckFailed(#cond, __FILE__, __LINE__))

namespace korvane::fuzz {

[[noreturn]] void CheckFailed(const char *what, const char *file, int line);

// A folder of this process's own, made on first use and removed at exit, so
// parallel fuzzing processes never share files.
const std::string &ScratchDir();
// ScratchDir() + "/" + name.
std::string ScratchFile(std::string_view name);

void PutFile(const std::string &path, std::string_view bytes);
std::string GetFile(const std::string &path);
// True when nothing but the expected names is in the folder: no temporary
// file was left behind.
bool OnlyFiles(const std::string &dir, std::initializer_list<std::string_view> names);

inline std::string_view AsText(const std::uint8_t *data, std::size_t size) {
  return {reinterpret_cast<const char *>(data), size};
}

// Cuts the input at the unit separator byte 0x1F: corpus files stay
// readable text, and every piece can hold any other byte.
class TPieces {
public:
  static constexpr char kSep = '\x1f';
  explicit TPieces(std::string_view bytes) : rest_(bytes) {}
  bool Empty() const { return rest_.empty() && !pending_; }
  // The next piece; an empty view once the input is used up.
  std::string_view Next() {
    const std::size_t cut = rest_.find(kSep);
    std::string_view piece = rest_.substr(0, cut);
    pending_ = cut != std::string_view::npos;
    rest_ = pending_ ? rest_.substr(cut + 1) : std::string_view();
    return piece;
  }

private:
  std::string_view rest_;
  bool pending_ = false;
};

} // namespace korvane::fuzz
