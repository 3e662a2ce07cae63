#include "bill/job/QuoteHtml.h"

namespace korvane {

namespace {

constexpr std::string_view kStyle = R"(<style>
body { font-family: "DejaVu Sans", Arial, sans-serif; color: #1d2428; margin: 2em auto;
  max-width: 60em; padding: 0 1.5em; font-size: 11pt; }
header { border-bottom: 3px solid #27566b; margin-bottom: 1.2em; }
h1 { font-size: 1.7em; margin: 0 0 .2em; color: #27566b; }
h2 { font-size: 1.15em; margin: 1.6em 0 .5em; color: #27566b; }
dl { display: grid; grid-template-columns: max-content auto; gap: .2em 1.2em; margin: 0 0 1em; }
dt { font-weight: bold; }
dd { margin: 0; }
table { border-collapse: collapse; width: 100%; }
th, td { padding: .3em .55em; border-bottom: 1px solid #d4dadd; text-align: left;
  vertical-align: top; }
th { background: #eaf0f2; font-weight: bold; }
td.n, th.n { text-align: right; white-space: nowrap; font-variant-numeric: tabular-nums; }
tr.total td { font-weight: bold; border-top: 2px solid #27566b; border-bottom: none; }
table.sheets { width: auto; min-width: 50%; }
.note { color: #8a3b12; }
.opt { color: #5b666c; font-size: .85em; }
footer { margin-top: 2em; font-size: .85em; color: #5b666c; }
@media print {
  body { margin: 0; max-width: none; font-size: 9.5pt; }
  th { background: none; border-bottom: 1.5px solid #000; }
  thead { display: table-header-group; }
  tr { page-break-inside: avoid; }
  h2 { page-break-after: avoid; }
  @page { size: A4; margin: 15mm; }
}
</style>
)";

void AppendCell(std::string &out, std::string_view tag, const TQuoteCell &cell) {
  out += '<';
  out += tag;
  if (cell.Number)
    out += " class=\"n\"";
  if (cell.Span > 1) {
    out += " colspan=\"";
    out += std::to_string(cell.Span);
    out += '"';
  }
  out += '>';
  AppendHtmlText(out, cell.Text);
  if (!cell.Note.empty()) {
    out += "<br><span class=\"opt\">";
    AppendHtmlText(out, cell.Note);
    out += "</span>";
  }
  out += "</";
  out += tag;
  out += '>';
}

void AppendTable(std::string &out, const TQuoteTable &table) {
  out += table.Warning ? "<h2 class=\"note\">" : "<h2>";
  AppendHtmlText(out, table.Heading);
  out += table.Compact ? "</h2>\n<table class=\"sheets\">\n<thead><tr>"
                       : "</h2>\n<table>\n<thead><tr>";
  for (const TQuoteColumn &column : table.Columns)
    AppendCell(out, "th", {column.Title, {}, column.Number});
  out += "</tr></thead>\n<tbody>\n";
  for (const TQuoteRow &row : table.Rows) {
    out += row.Total ? "<tr class=\"total\">" : "<tr>";
    for (const TQuoteCell &cell : row.Cells)
      AppendCell(out, "td", cell);
    out += "</tr>\n";
  }
  out += "</tbody>\n</table>\n";
}

} // namespace

void AppendQuoteHtml(std::string &out, const TQuoteDocument &document) {
  out += "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>";
  AppendHtmlText(out, document.Title);
  out += "</title>\n";
  out += kStyle;
  out += "</head>\n<body>\n<header>\n<h1>";
  AppendHtmlText(out, document.Title);
  out += "</h1>\n<dl>\n";
  for (const auto &[name, value] : document.Facts) {
    out += "<dt>";
    AppendHtmlText(out, name);
    out += "</dt><dd>";
    AppendHtmlText(out, value);
    out += "</dd>\n";
  }
  out += "</dl>\n</header>\n";
  for (const TQuoteTable &table : document.Tables)
    AppendTable(out, table);
  out += "<footer>";
  AppendHtmlText(out, document.Footer);
  out += "</footer>\n</body>\n</html>\n";
}

void AppendHtmlText(std::string &out, std::string_view text) {
  for (const char c : text) {
    switch (c) {
    case '&':
      out += "&amp;";
      break;
    case '<':
      out += "&lt;";
      break;
    case '>':
      out += "&gt;";
      break;
    case '"':
      out += "&quot;";
      break;
    case '\'':
      out += "&#39;";
      break;
    default:
      out += c;
    }
  }
}

} // namespace korvane
