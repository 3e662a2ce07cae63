#pragma once
// Every format a priced job is written in, in one table: korvane-price takes
// its output options and their --help lines from it, the bill window its
// Export choices, and a test holds the user guide to it. A new format is one
// writer file, one line in the table and its tests.
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "bill/job/JobWriter.h"

namespace korvane {

// What a writer is made with besides the text it appends to.
struct TJobOutputOptions {
  std::string Today; // the date a quote carries, YYYY-MM-DD; empty: today's
};

struct TJobFormat {
  std::string_view Name;      // "html": korvane-price's option --html
  std::string_view Extension; // "html", without the dot
  std::string_view Title;     // "Quote as HTML": the kind of file, for menus
  // korvane-price prints it on standard output (one at a time); the others
  // are written to the file their option names, besides what is printed.
  bool ToStandardOutput = false;
  // What a file of this format is called in a message ("the quote").
  std::string_view Document;
  // The option's lines in korvane-price --help, after its name.
  std::string_view Usage;
  // The writer, appending to `out`; null for a format only the desktop
  // draws (the PDF quote, from the same document as the HTML one).
  std::unique_ptr<TJobWriter> (*Make)(std::string &out, const TJobOutputOptions &options) = nullptr;
  // The customer's own document, which carries a quote number: the window
  // offers the next one before making it.
  bool ForCustomer = false;
};

std::span<const TJobFormat> JobFormats();
// By name ("csv"), exactly as the table spells it; null when none.
const TJobFormat *FindJobFormat(std::string_view name);
// By a file name's extension, case ignored ("Quote.HTML"); null when none.
const TJobFormat *JobFormatForFile(std::string_view path);

} // namespace korvane
