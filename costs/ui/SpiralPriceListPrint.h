#pragma once
// The printed spiral fittings price list: three groups of fittings, each on
// fresh pages, prices times the fitting factor, closed by the validity date.
// The layout draws on any page surface and returns where it put every text,
// so it can be checked without paper.
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

#include "base/MessageSink.h"
#include "costs/CostRec.h"
#include "costs/SpiralPriceListText.h"
#include "costs/SpiralPriceTable.h"
#include "desktop/PageSurface.h"

class QPagedPaintDevice;

namespace korvane {

inline constexpr const char *kPriceListJobTitle = "Brisvantore Fittings";
inline constexpr const char *kPriceListPrintError = "Error printing spiral price list";

class EPrintError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// One text put on paper, with its top-left corner in device pixels.
struct TLaidText {
  enum class TKind { Title, Heading, Cell, Footer };
  TKind kind;
  int group;  // 0 to 2
  int page;   // 0-based page of the job
  int x, y;   // top-left corner
  int width;  // text extent in the font it was printed in
  int column; // column of the group, -1 for titles and footers
  int line;   // heading line 0 or 1, table row 0 to 31, -1 otherwise
  QString text;
};

struct TPriceListLayout {
  int topMargin = 0, leftMargin = 0, rightEdge = 0, bottomLimit = 0;
  std::array<std::vector<int>, kFittingGroupCount> boundaries; // n + 1 per group of n columns
  std::vector<TLaidText> texts;
  int pages = 0;
};

// The n + 1 column boundaries of n columns between `left` and `right`: the
// diameter column two thirds of a step wide, the others one step each, where a
// step is a (n + 1)th of the width.
std::vector<int> PriceListColumnBoundaries(int left, int right, int n);

// Lays out and draws the whole list on `surface`, starting on its current
// page. `validFrom` is the date text after "Valid from ". Throws EPrintError
// when the surface cannot start a page or has no active painter.
TPriceListLayout LayoutSpiralPriceList(TPageSurface &surface, const TSpiralPriceTable &table,
                                       double factor, const QString &validFrom);

// RefDate (days from 30 December 1899) in the user's short date format;
// empty for a value that is no date.
QString ShortDateText(double refDate);

// Opens a paged device for a print job of the given title; null when there is
// nothing to print on.
using TOpenPrintDevice = std::function<std::unique_ptr<QPagedPaintDevice>(const QString &title)>;

// The default printer, without a dialog; null when the system has none.
std::unique_ptr<QPagedPaintDevice> OpenDefaultPrinter(const QString &title);

// Prints the list for `costs` (fitting factor and validity date). Any failure
// is told to the user as "Error printing spiral price list" and returns false;
// a job that fails after it started is aborted rather than half printed.
bool PrintSpiralPriceList(const TSpiralPriceTable &table, const TCostRec &costs, TMessageSink &sink,
                          const TOpenPrintDevice &open = OpenDefaultPrinter);

} // namespace korvane
