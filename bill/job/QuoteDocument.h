#pragma once
// A quote as a document: what it says and in which order, with no word of
// how it looks. The HTML page and the printed (or PDF) quote are both drawn
// from one of these, so the two always carry the same texts and figures.
#include <string>
#include <utility>
#include <vector>

namespace korvane {

struct TQuoteCell {
  std::string Text;
  std::string Note;    // a second, smaller line under the text
  bool Number = false; // set flush right
  int Span = 1;        // the columns it covers
};

struct TQuoteRow {
  std::vector<TQuoteCell> Cells;
  bool Total = false; // a sum of the rows above, set apart
};

struct TQuoteColumn {
  std::string Title;
  bool Number = false;
};

struct TQuoteTable {
  std::string Heading;
  bool Warning = false; // the heading warns (lines left out of the quote)
  bool Compact = false; // as wide as its figures rather than the page
  std::vector<TQuoteColumn> Columns;
  std::vector<TQuoteRow> Rows;
};

struct TQuoteDocument {
  std::string Title;                                      // "Quote: job.dct"
  std::vector<std::pair<std::string, std::string>> Facts; // ("Date", "2026-12-09"), ...
  std::vector<TQuoteTable> Tables;
  std::string Footer;
};

} // namespace korvane
