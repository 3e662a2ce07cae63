#pragma once
// Runs a staged program (korvane-price, korvane-bill) as a user would, from
// any folder, and collects what it printed and its exit status.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "tests/support/TempFolder.h"

namespace korvane::test {

inline const std::string kPricer = KORVANE_STAGE_DIR "/Korvane/korvane-price";
inline const std::string kBillProgram = KORVANE_STAGE_DIR "/Korvane/korvane-bill";

struct CliResult {
  std::string out;
  std::string err;
  int status = -1;
};

// `env` holds "NAME=value" texts added to the program's environment, and
// "-NAME" for a variable taken out of it.
inline CliResult RunProgram(const std::string &program, const std::vector<std::string> &args,
                            const std::string &input = "",
                            const std::vector<std::string> &env = {}) {
  TempFolder dir;
  const std::string in = dir.File("in"), out = dir.File("out"), err = dir.File("err");
  PutFile(in, input);
  const pid_t pid = fork();
  if (pid == 0) {
    const int fin = open(in.c_str(), O_RDONLY);
    const int fout = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int ferr = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(fin, 0);
    dup2(fout, 1);
    dup2(ferr, 2);
    unsetenv("KORVANE_CURRENCY");
    for (const std::string &e : env)
      if (e.starts_with('-'))
        unsetenv(e.c_str() + 1);
      else
        putenv(const_cast<char *>(e.c_str()));
    std::vector<char *> argv{const_cast<char *>(program.c_str())};
    for (const std::string &a : args)
      argv.push_back(const_cast<char *>(a.c_str()));
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  int wstatus = 0;
  waitpid(pid, &wstatus, 0);
  CliResult result;
  result.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
  result.out = GetFile(out);
  result.err = GetFile(err);
  return result;
}

inline CliResult RunPricer(const std::vector<std::string> &args, const std::string &input = "",
                           const std::vector<std::string> &env = {}) {
  return RunProgram(kPricer, args, input, env);
}

inline std::vector<std::string> Lines(const std::string &text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos)
      end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

} // namespace korvane::test
