#pragma once
// A priced bill written to a file in any of the job formats; the PDF quote
// drawn with the printed quote's layout on the paper the user chose. The
// window's Export and korvane-bill --export, which shows no window, both
// write through here.
#include <QPageSize>
#include <QString>

#include <string>
#include <string_view>
#include <vector>

#include "bill/job/BillTextJob.h"
#include "bill/job/JobFormats.h"

class QPagedPaintDevice;

namespace korvane {

struct TBillExportResult {
  std::string Error;   // why nothing was written
  std::string Warning; // what the file left out (a logo that did not read)
  bool AllPriced = true;
  // The lines not priced or bad, "line 4: not priced: Shoe: ...".
  std::vector<std::string> Notes;
};

// Prices `text` and writes it to `path`, atomically; false with
// `result.Error` when nothing was written. The PDF needs a QGuiApplication.
bool ExportBill(std::string_view text, const TBillTextJob &request, const TJobFormat &format,
                const QString &path, const QPageSize &paper, TBillExportResult &result);

// Draws the quote on `device`, from its first page; false when no page
// could be started.
bool DrawQuote(QPagedPaintDevice &device, const TQuoteDocument &document);

// The paper quotes are drawn on: the user's choice kept in `settingsFile`,
// else Letter where the locale measures in US units and A4 elsewhere.
QPageSize QuotePaper(const QString &settingsFile);
void SetQuotePaper(const QString &settingsFile, QPageSize::PageSizeId paper);

} // namespace korvane
