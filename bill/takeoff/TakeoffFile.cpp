#include "bill/takeoff/TakeoffFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>

#include "base/AsciiText.h"
#include "base/FileIO.h"
#include "bill/takeoff/TakeoffColumns.h"
#include "bill/takeoff/TakeoffCsv.h"
#include "bill/takeoff/XlsxParts.h"
#include "bill/takeoff/XlsxSheet.h"

namespace korvane {

namespace {

constexpr std::string_view kZipMagic = "PK\x03\x04";

// What the parts of the package need besides a sheet: small parts.
constexpr std::size_t kMaxIndexBytes = 4u << 20;

bool Fail(std::string_view name, std::string &error) {
  error = "take-off '" + std::string(name) + "': " + error;
  return false;
}

bool ReadCsv(int fd, std::string_view head, TTakeoffBill &bill, std::string &error) {
  TTakeoffCsvReader csv(bill, IsTakeoffHeader);
  bool fed = csv.Feed(head, error);
  return fed &&
         ReadBlocks(
             fd, [&](std::string_view block) { return fed = csv.Feed(block, error); }, error) &&
         fed && csv.Finish(error);
}

// The most the sheets searched for a take-off's header unpack in all.
constexpr std::size_t kMaxSearchBytes = 4 * kTakeoffMaxPartBytes;

bool ReadXlsxInto(const TXlsxZip &zip, std::string_view sheet, TTakeoffBill &bill,
                  std::string &error) {
  return ReadTakeoffXlsx(zip, sheet, bill, error) && bill.Finish(error);
}

} // namespace

bool ReadTakeoffXlsx(const TXlsxZip &zip, std::string_view sheet, TTakeoffRowSink &sink,
                     std::string &error) {
  std::string workbook, rels;
  if (!zip.Read("xl/workbook.xml", kMaxIndexBytes, workbook, error))
    return false;
  if (zip.Has("xl/_rels/workbook.xml.rels") &&
      !zip.Read("xl/_rels/workbook.xml.rels", kMaxIndexBytes, rels, error))
    return false;
  std::vector<TXlsxSheetRef> sheets;
  std::string stringsPart;
  if (!ReadXlsxWorkbook(workbook, rels, sheets, stringsPart, error))
    return false;
  const TXlsxSheetRef *chosen = nullptr;
  for (const TXlsxSheetRef &s : sheets)
    if (!chosen && (sheet.empty() || EqualsNoCase(s.Name, sheet)))
      chosen = &s;
  if (!chosen) {
    if (sheets.empty()) {
      error = "the workbook has no sheet";
      return false;
    }
    error = "it has no sheet '" + std::string(sheet) + "'; its sheets: ";
    for (std::size_t i = 0; i < sheets.size() && i < 20; ++i)
      error += (i ? ", " : "") + sheets[i].Name;
    return false;
  }
  TXlsxStrings strings;
  if (!stringsPart.empty() && zip.Has(stringsPart)) {
    std::string xml;
    if (!zip.Read(stringsPart, kTakeoffMaxPartBytes, xml, error) || !strings.Read(xml, error))
      return false;
  }
  // Unnamed, the sheet is the first with a take-off's header, so that a
  // workbook whose take-off follows a cover or a quote (as Korvane's own
  // does) reads as it is; the sheets before it hold no header row, and a
  // take-off's reader skips rows above the header.
  std::string xml;
  std::size_t searched = 0;
  for (const TXlsxSheetRef *s = chosen; s != sheets.data() + sheets.size(); ++s) {
    if (!zip.Read(s->Part, kTakeoffMaxPartBytes, xml, error))
      return false;
    if (s != chosen)
      sink.NextSheet();
    if (!ReadXlsxSheet(xml, strings, sink, error)) {
      error = "sheet '" + s->Name + "': " + error;
      return false;
    }
    searched += xml.size();
    if (!sheet.empty() || sink.HeaderFound() || searched > kMaxSearchBytes)
      break;
  }
  return true;
}

bool ReadTakeoffFile(const std::string &path, std::string_view sheet, TTakeoffBill &bill,
                     std::string &error) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    error = std::strerror(errno);
    return Fail(path, error);
  }
  std::array<char, 4> head{};
  ssize_t got = 0;
  while (got < 4) {
    const ssize_t n = ::read(fd, head.data() + got, static_cast<std::size_t>(4 - got));
    if (n < 0 && errno == EINTR)
      continue;
    if (n <= 0)
      break;
    got += n;
  }
  const std::string_view start(head.data(), static_cast<std::size_t>(got));
  bool ok = false;
  if (start == kZipMagic) {
    ::close(fd);
    TXlsxZip zip;
    ok = zip.Open(path, error) && ReadXlsxInto(zip, sheet, bill, error);
  } else {
    ok = sheet.empty() ? ReadCsv(fd, start, bill, error) && bill.Finish(error)
                       : (error = "--sheet names a sheet of an XLSX, and this is no XLSX", false);
    ::close(fd);
  }
  return ok || Fail(path, error);
}

bool ReadTakeoffBytes(std::string_view bytes, std::string_view name, std::string_view sheet,
                      TTakeoffBill &bill, std::string &error) {
  bool ok = false;
  if (bytes.starts_with(kZipMagic)) {
    TXlsxZip zip;
    ok = zip.OpenBytes(bytes, error) && ReadXlsxInto(zip, sheet, bill, error);
  } else {
    TTakeoffCsvReader csv(bill, IsTakeoffHeader);
    ok = csv.Feed(bytes, error) && csv.Finish(error) && bill.Finish(error);
  }
  return ok || Fail(name, error);
}

} // namespace korvane
