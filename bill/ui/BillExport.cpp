#include "bill/ui/BillExport.h"

#include <QBuffer>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QSettings>

#include <memory>

#include "base/FileIO.h"
#include "bill/job/CustomerQuote.h"
#include "bill/job/JobTable.h"
#include "bill/ui/QuotePrint.h"
#include "desktop/SettingsKeys.h"

namespace korvane {

namespace {

// The PDF quote, drawn in memory first so that a failed export never leaves
// half a file.
bool PdfQuote(const TQuoteDocument &document, const QPageSize &paper, std::string &pdf) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  bool drawn = false;
  {
    QPdfWriter writer(&buffer);
    writer.setTitle(QString::fromStdString(document.Title));
    writer.setPageSize(paper);
    writer.setResolution(300);
    drawn = DrawQuote(writer, document);
  }
  pdf.assign(buffer.data().constData(), static_cast<std::size_t>(buffer.data().size()));
  return drawn;
}

} // namespace

bool DrawQuote(QPagedPaintDevice &device, const TQuoteDocument &document) {
  QPainter painter;
  if (!painter.begin(&device))
    return false;
  TPagedDeviceSurface surface(device, painter);
  TQuoteLayout layout;
  const bool ok = LayoutQuote(surface, document, layout);
  return painter.end() && ok;
}

bool ExportBill(std::string_view text, const TBillTextJob &request, const TJobFormat &format,
                const QString &path, const QPageSize &paper, TBillExportResult &result) {
  std::string bytes;
  // The PDF is drawn from the customer's quote, as the HTML one is written.
  std::unique_ptr<TJobWriter> writer =
      format.Make ? format.Make(bytes, {}) : std::make_unique<TCustomerQuote>();
  TJobTotals totals;
  if (!PriceBillText(text, request, {writer.get()}, totals, result.Error))
    return false;
  result.AllPriced = totals.AllPriced();
  for (TJobNote &note : JobNotes(totals))
    result.Notes.push_back(std::move(note.Text));
  result.Warning = writer->Warning();
  if (!format.Make &&
      !PdfQuote(static_cast<const TCustomerQuote &>(*writer).Document(), paper, bytes)) {
    result.Error = "the page could not be drawn";
    return false;
  }
  return AtomicWriteFile(path.toStdString(), bytes, &result.Error);
}

QPageSize QuotePaper(const QString &settingsFile) {
  const QSettings settings(settingsFile, QSettings::IniFormat);
  const QString chosen = settings.value(SettingsKeys::kBillPaper).toString();
  if (chosen.compare(QLatin1String("Letter"), Qt::CaseInsensitive) == 0)
    return QPageSize(QPageSize::Letter);
  if (chosen.compare(QLatin1String("A4"), Qt::CaseInsensitive) == 0)
    return QPageSize(QPageSize::A4);
  return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                              : QPageSize::A4);
}

void SetQuotePaper(const QString &settingsFile, QPageSize::PageSizeId paper) {
  QSettings settings(settingsFile, QSettings::IniFormat);
  settings.setValue(SettingsKeys::kBillPaper,
                    paper == QPageSize::Letter ? QStringLiteral("Letter") : QStringLiteral("A4"));
}

} // namespace korvane
