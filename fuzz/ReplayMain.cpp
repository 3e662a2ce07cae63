// Runs a fuzz target over files and folders of inputs without libFuzzer, so
// the normal build replays every committed corpus and crasher as a test.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

namespace {

int RunFile(const std::filesystem::path &path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "cannot read %s\n", path.c_str());
    return 1;
  }
  const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), {});
  LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size());
  return 0;
}

} // namespace

int main(int argc, char **argv) {
  namespace fs = std::filesystem;
  int failures = 0;
  std::size_t inputs = 0;
  for (int i = 1; i < argc; ++i) {
    const fs::path arg = argv[i];
    if (fs::is_directory(arg)) {
      // Sorted, so a failure names the same first file on every machine.
      std::vector<fs::path> files;
      for (const auto &entry : fs::directory_iterator(arg))
        if (entry.is_regular_file())
          files.push_back(entry.path());
      std::sort(files.begin(), files.end());
      for (const auto &file : files) {
        failures += RunFile(file);
        ++inputs;
      }
    } else {
      failures += RunFile(arg);
      ++inputs;
    }
  }
  if (inputs == 0) {
    std::fprintf(stderr, "no inputs given\n");
    return 1;
  }
  std::printf("%zu inputs replayed\n", inputs);
  return failures == 0 ? 0 : 1;
}
