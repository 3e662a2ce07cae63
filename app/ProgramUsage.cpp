#include "app/ProgramUsage.h"

namespace korvane {

std::string_view KorvaneUsage() {
  return R"(Usage: korvane [COST_FILE]

Prices one sheet-metal air-conditioning duct item at a time in a window:
pick an item type, type its sizes and options, and read its price, sheet
area, gauge and weight at once.

COST_FILE  the cost file to price with (a .cst file), named from the folder
           the command is given in. Without it, or when it does not exist,
           the cost file used last; at first "../Data Files/Default.cst",
           which is taken from the program's folder wherever the program is
           started.

Options:
  -h, --help  this text

One copy runs for each user: a second start brings the first window to the
front and ends.
)";
}

std::string_view KorvaneBillUsage() {
  return R"(Usage: korvane-bill [--company FILE] [BILL ...]
       korvane-bill --export FILE [--company FILE] BILL

Edits bills of ductwork (.dct files) and prices each one as it is typed: the
priced lines, the lines not priced, the sheets and the total beside the text,
and a printable quote.

BILL  a bill to open, each in a window of its own; without one, a window on
      a new bill.

Options:
  --export FILE   write BILL, priced, to FILE and show no window (no display
                  is needed). What is written follows FILE's extension:
                  plain text for .txt, JSON for .json, CSV for .csv, the
                  estimator's sheet for .sheet.html, a workbook for .xlsx,
                  the customer's quote for .html and for .pdf (on the paper
                  chosen in the bill window). The bill is never given a
                  quote number here.
  --company FILE  the company the quotes are from: an INI file with a
                  [Company] group, as korvane-price --company reads it;
                  without it, the profile the bill window's Company dialog
                  keeps in ~/.config/Tarnwell/Company.ini. A file that does
                  not load is an error.
  -h, --help      this text

Exit status with --export: 0 written; 1 written, with lines not priced or
bad (told on standard error); 2 nothing written.

While a bill has unsaved changes, a copy of it is kept in
$XDG_STATE_HOME/Tarnwell/korvane-bill/recovery (by default
~/.local/state/Tarnwell/korvane-bill/recovery), readable by the user alone;
saving or closing the bill removes it. After a crash or a lost session, the
next start offers the unsaved bills back.
)";
}

bool AsksForHelp(int argc, const char *const *argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "-h" || arg == "--help")
      return true;
  }
  return false;
}

} // namespace korvane
