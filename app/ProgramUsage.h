#pragma once
// What `korvane --help` and `korvane-bill --help` print: the desktop
// programs' command lines, in the words their manual pages repeat (a test
// holds the two together).
#include <string_view>

namespace korvane {

std::string_view KorvaneUsage();
std::string_view KorvaneBillUsage();

// True when the command line (without the program) asks for the usage text:
// "-h" or "--help" anywhere in it.
bool AsksForHelp(int argc, const char *const *argv);

} // namespace korvane
