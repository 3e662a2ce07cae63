#pragma once
// The printed quote: title, date, cost file and its reference date, the
// item table (its heading repeated on every page it runs onto), the sheet
// per gauge, the insulation, the lines left out, the totals and page
// numbers. The layout draws on any page surface (a printer, a PDF) and
// returns where it put every text, so it can be checked without paper.
#include <QString>

#include <vector>

#include "bill/JobTable.h"
#include "costs/ui/PageSurface.h"

namespace korvane {

struct TQuoteText {
  enum class TKind { Title, Info, Heading, Cell, Section, ListRow, Note, Total, PageNumber };
  TKind Kind;
  int Page = 0;     // 0-based
  int X = 0, Y = 0; // top-left of the text's box, device pixels
  int Column = -1;  // of the item table, else -1
  QString Text;
};

struct TQuoteLayout {
  int Pages = 0;
  int Bottom = 0; // the lowest y any body text may reach
  std::vector<TQuoteText> Texts;
};

struct TQuoteContent {
  QString Title; // the bill's file name
  QString Date;
  const TJobTable &Job;
  const TJobSummary &Summary;
};

// Lays the quote out and draws it on `surface` from its current page.
// False when the surface could not start a page.
bool LayoutQuote(TPageSurface &surface, const TQuoteContent &content, TQuoteLayout &layout);

} // namespace korvane
