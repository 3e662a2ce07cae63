#pragma once
// The printed quote: the quote document (the one the HTML page is written
// from) laid out on pages: the logo and the blocks of the company, customer
// and job at the top, the tables, the terms and the acceptance, each table's column headings
// repeated on every page it runs onto, long texts wrapped rather than cut, and the pages numbered.
// The layout draws on any page surface (a printer, a PDF) and returns where it put every text, so
// it can be checked without paper.
#include <QString>

#include <vector>

#include "bill/job/QuoteDocument.h"
#include "desktop/PageSurface.h"

namespace korvane {

struct TQuoteText {
  enum class TKind {
    Title,
    Info,
    Heading,
    Cell,
    Section,
    ListRow,
    Note,
    Total,
    PageNumber,
    Footer,
    Logo,      // the logo's box, no text
    Block,     // a line of the company, customer or job block; Column: the block
    Paragraph, // a line of the terms or the acceptance text
    Field      // a line of the acceptance to write on
  };
  TKind Kind;
  int Page = 0;     // 0-based
  int X = 0, Y = 0; // top-left of the text's box, device pixels
  int Column = -1;  // of its table, else -1
  QString Text;
  int Width = 0;  // of the box the text was given
  int Table = -1; // the document's table it belongs to, else -1
};

struct TQuoteLayout {
  int Pages = 0;
  int Bottom = 0; // the lowest y any body text may reach
  std::vector<TQuoteText> Texts;
};

// Lays the quote out and draws it on `surface` from its current page.
// False when the surface could not start a page.
bool LayoutQuote(TPageSurface &surface, const TQuoteDocument &document, TQuoteLayout &layout);

} // namespace korvane
