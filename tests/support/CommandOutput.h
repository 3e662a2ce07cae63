#pragma once
// What a shell command prints on its standard output, for tests that read
// a file through another program (unzip, a program's --help).
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace korvane::test {

// The command's standard output; a failure to start it, or an exit status
// other than 0, fails the test.
inline std::string CommandOutput(const std::string &command) {
  std::string text;
  std::FILE *pipe = ::popen(command.c_str(), "r");
  EXPECT_NE(pipe, nullptr) << command;
  if (pipe) {
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
      text.append(buffer, n);
    EXPECT_EQ(::pclose(pipe), 0) << command;
  }
  return text;
}

} // namespace korvane::test
