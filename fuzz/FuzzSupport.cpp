#include "fuzz/FuzzSupport.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace korvane::fuzz {

namespace fs = std::filesystem;

void CheckFailed(const char *what, const char *file, int line) {
  std::fprintf(stderr, "property violated: %s (%s:%d)\n", what, file, line);
  std::fflush(stderr);
  std::abort();
}

namespace {

struct TScratch {
  std::string dir;
  TScratch() {
    // A RAM-backed folder when there is one: some targets write a file on
    // every run.
    const fs::path base =
        fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    dir = (base / ("korvane-fuzz-" + std::to_string(::getpid()))).string();
    std::error_code ec;
    fs::remove_all(dir, ec);
    fs::create_directories(dir);
  }
  ~TScratch() {
    std::error_code ec;
    fs::remove_all(dir, ec);
  }
};

} // namespace

const std::string &ScratchDir() {
  static const TScratch scratch;
  return scratch.dir;
}

std::string ScratchFile(std::string_view name) {
  return ScratchDir() + "/" + std::string(name);
}

void PutFile(const std::string &path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  FUZZ_CHECK(out.good());
}

std::string GetFile(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

bool OnlyFiles(const std::string &dir, std::initializer_list<std::string_view> names) {
  for (const auto &entry : fs::directory_iterator(dir)) {
    const std::string name = entry.path().filename().string();
    bool expected = false;
    for (std::string_view n : names)
      expected = expected || name == n;
    if (!expected)
      return false;
  }
  return true;
}

} // namespace korvane::fuzz
