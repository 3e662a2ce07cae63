// Starts the program again and again and reports how long each start takes
// until its first window is mapped on the X server, and its resident memory
// once it has settled. Each run gets fresh settings and ends before the
// next starts, so every run is a first copy starting cold of settings.
//
//   korvane_start_probe <program> [runs] [program arguments ...]
//   (DISPLAY must name an X server)
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <poll.h>
#include <signal.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

long ResidentKiB(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmRSS:", 0) == 0)
      return std::strtol(line.c_str() + 6, nullptr, 10);
  return -1;
}

// Waits for the next top-level window to be mapped; false after `ms`.
bool WaitForMap(xcb_connection_t *x, int ms) {
  const auto end = Clock::now() + std::chrono::milliseconds(ms);
  pollfd fd{xcb_get_file_descriptor(x), POLLIN, 0};
  for (;;) {
    while (xcb_generic_event_t *event = xcb_poll_for_event(x)) {
      const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
      std::free(event);
      if (mapped)
        return true;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now());
    if (left.count() <= 0 || poll(&fd, 1, static_cast<int>(left.count())) <= 0)
      return false;
  }
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s <program> [runs] [arguments ...]\n", argv[0]);
    return 2;
  }
  const std::string program = argv[1];
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10;
  const std::string folder = program.substr(0, program.rfind('/') + 1);

  xcb_connection_t *x = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(x)) {
    std::fprintf(stderr, "no X server (DISPLAY)\n");
    return 1;
  }
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(x);

  std::vector<double> startMs;
  std::vector<double> rssMiB;
  for (int run = 0; run < runs; ++run) {
    char config[] = "/tmp/korvane-probe-XXXXXX";
    if (!mkdtemp(config))
      return 1;
    const auto t0 = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
      setenv("XDG_CONFIG_HOME", config, 1);
      if (!folder.empty() && chdir(folder.c_str()) != 0)
        _exit(127);
      std::vector<char *> args{const_cast<char *>(program.c_str())};
      for (int a = 3; a < argc; ++a)
        args.push_back(argv[a]);
      args.push_back(nullptr);
      execv(program.c_str(), args.data());
      _exit(127);
    }
    const bool mapped = WaitForMap(x, 10000);
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
    usleep(500 * 1000); // let it settle: first paint, fonts, idle
    const long kib = ResidentKiB(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    std::string cleanup = std::string("rm -rf '") + config + "'";
    if (std::system(cleanup.c_str()) != 0)
      std::fprintf(stderr, "could not remove %s\n", config);
    if (!mapped) {
      std::fprintf(stderr, "run %d: no window within 10 s\n", run + 1);
      return 1;
    }
    startMs.push_back(ms);
    rssMiB.push_back(kib / 1024.0);
    std::printf("run %2d: window mapped after %6.1f ms, resident %5.1f MiB\n", run + 1, ms,
                kib / 1024.0);
  }
  std::printf("median: start to mapped window %.1f ms, resident memory %.1f MiB (%d runs)\n",
              Median(startMs), Median(rssMiB), runs);
  xcb_disconnect(x);
  return 0;
}
