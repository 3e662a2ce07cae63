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
  bool Total = false;   // a sum of the rows above, set apart
  bool Heading = false; // a section's title across the table
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

// A block of lines under a heading: the company, the customer, the job, the
// terms.
struct TQuoteBlock {
  std::string Heading;
  std::vector<std::string> Lines;
};

// Where the customer signs the quote as accepted.
struct TQuoteAcceptance {
  std::string Heading; // empty: the quote has no acceptance block
  std::string Text;
  std::vector<std::string> Fields; // "Name", "Signature", "Date": a line to fill in each
};

struct TQuoteDocument {
  std::string Title; // "Quote: job.dct"
  // The logo's image file as read, and its MIME type; empty for none.
  std::string Logo;
  std::string LogoType;
  std::vector<TQuoteBlock> Blocks;                        // side by side under the title
  std::vector<std::pair<std::string, std::string>> Facts; // ("Date", "2026-12-09"), ...
  std::vector<TQuoteTable> Tables;
  std::vector<TQuoteBlock> Paragraphs; // after the tables
  TQuoteAcceptance Acceptance;
  std::string Footer;
};

} // namespace korvane
