// The manual pages say what the programs' own --help says: every line of the
// help text is in the page, word for word, and the page documents no option
// the program does not have. A help text that changes without its page (or
// the other way round) fails here.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/CommandOutput.h"

namespace korvane {
namespace {

std::vector<std::string> Words(const std::string &text) {
  std::istringstream in(text);
  return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

std::string Replace(std::string text, const std::string &from, const std::string &to) {
  for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
    text.replace(at, from.size(), to);
  return text;
}

// The page's text as a reader sees it, for the markup these pages use: font
// escapes dropped, \- and \e as the characters they stand for, the
// arguments of .B and .I as words and those of .BR, .BI and .IR run together.
std::string PageText(const std::string &source) {
  std::istringstream in(source);
  std::string out;
  for (std::string line; std::getline(in, line);) {
    for (const char *font : {"\\fB", "\\fI", "\\fR", "\\fP"})
      line = Replace(line, font, "");
    line = Replace(Replace(Replace(line, "\\-", "-"), "\\e", "\\"), "\\&", "");
    if (line.starts_with(".B ") || line.starts_with(".I ")) {
      out += line.substr(3) + '\n';
    } else if (line.starts_with(".BR ") || line.starts_with(".BI ") || line.starts_with(".IR ")) {
      std::string joined;
      bool quoted = false;
      for (const char c : line.substr(4)) {
        if (c == '"')
          quoted = !quoted;
        else if (c != ' ' || quoted)
          joined += c;
      }
      out += joined + '\n';
    } else if (!line.starts_with(".") && !line.starts_with("'")) {
      out += line + '\n';
    }
  }
  return out;
}

std::string HelpText(const std::string &program) {
  return test::CommandOutput("'" KORVANE_STAGE_DIR "/Korvane/" + program + "' --help");
}

bool Contains(const std::vector<std::string> &haystack, const std::vector<std::string> &needle) {
  return std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end()) !=
         haystack.end();
}

TEST(ManPageTest, EveryPageSaysWhatItsProgramsHelpSays) {
  std::istringstream programs(KORVANE_MAN_PROGRAMS);
  int checked = 0;
  for (std::string program; programs >> program; ++checked) {
    SCOPED_TRACE(program);
    std::ifstream file(KORVANE_SOURCE_DIR "/packaging/man/" + program + ".1.in");
    ASSERT_TRUE(file) << "no manual page";
    const std::string source{std::istreambuf_iterator<char>(file), {}};
    const std::vector<std::string> page = Words(PageText(source));
    const std::string help = HelpText(program);
    ASSERT_FALSE(help.empty());
    std::istringstream lines(help);
    for (std::string line; std::getline(lines, line);) {
      std::vector<std::string> words = Words(line);
      if (!words.empty() && words.front() == "Usage:")
        words.erase(words.begin());
      // Section heads ("Options:") are the page's own.
      if (words.empty() || (words.size() == 1 && words.front().ends_with(':')))
        continue;
      EXPECT_TRUE(Contains(page, words)) << "not in the page: " << line;
    }
    const std::vector<std::string> helpWords = Words(help);
    for (std::string word : page) {
      if (!word.starts_with("-") || word.size() < 2 || word == "-")
        continue;
      while (!word.empty() && (word.back() == ',' || word.back() == ':' || word.back() == ')' ||
                               word.back() == '.' || word.back() == ']'))
        word.pop_back();
      const bool inHelp =
          std::any_of(helpWords.begin(), helpWords.end(),
                      [&](const std::string &w) { return w.find(word) != std::string::npos; });
      EXPECT_TRUE(inHelp) << "the page has an option the program does not: " << word;
    }
  }
  EXPECT_GT(checked, 0);
}

} // namespace
} // namespace korvane
