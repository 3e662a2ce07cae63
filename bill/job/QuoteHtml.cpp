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
.blocks { display: flex; flex-wrap: wrap; gap: 1em 3em; margin: .8em 0; }
.block p { margin: 0; overflow-wrap: anywhere; }
.block .h { font-weight: bold; }
img.logo { max-height: 5em; max-width: 40%; float: right; }
tr.section td { font-weight: bold; background: #f4f7f8; }
td { overflow-wrap: anywhere; }
.accept p.field { margin: 1.6em 0 0; border-bottom: 1px solid #1d2428; width: 60%; }
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
    out += row.Total ? "<tr class=\"total\">" : row.Heading ? "<tr class=\"section\">" : "<tr>";
    for (const TQuoteCell &cell : row.Cells)
      AppendCell(out, "td", cell);
    out += "</tr>\n";
  }
  out += "</tbody>\n</table>\n";
}

void AppendBase64(std::string &out, std::string_view bytes) {
  constexpr std::string_view kDigits =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::size_t i = 0;
  for (; i + 2 < bytes.size(); i += 3) {
    const unsigned n = static_cast<unsigned char>(bytes[i]) << 16 |
                       static_cast<unsigned char>(bytes[i + 1]) << 8 |
                       static_cast<unsigned char>(bytes[i + 2]);
    for (const int shift : {18, 12, 6, 0})
      out += kDigits[(n >> shift) & 63];
  }
  if (i < bytes.size()) {
    const bool two = i + 1 < bytes.size();
    const unsigned n = static_cast<unsigned char>(bytes[i]) << 16 |
                       (two ? static_cast<unsigned char>(bytes[i + 1]) << 8 : 0u);
    out += kDigits[(n >> 18) & 63];
    out += kDigits[(n >> 12) & 63];
    out += two ? kDigits[(n >> 6) & 63] : '=';
    out += '=';
  }
}

void AppendBlock(std::string &out, std::string_view cls, const TQuoteBlock &block) {
  out += "<div class=\"";
  out += cls;
  out += "\">";
  if (!block.Heading.empty()) {
    out += "<p class=\"h\">";
    AppendHtmlText(out, block.Heading);
    out += "</p>";
  }
  for (const std::string &line : block.Lines) {
    out += "<p>";
    AppendHtmlText(out, line);
    out += "</p>";
  }
  out += "</div>\n";
}

} // namespace

void AppendQuoteHtml(std::string &out, const TQuoteDocument &document) {
  out += "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>";
  AppendHtmlText(out, document.Title);
  out += "</title>\n";
  out += kStyle;
  out += "</head>\n<body>\n<header>\n";
  if (!document.Logo.empty()) {
    out += "<img class=\"logo\" alt=\"\" src=\"data:";
    out += document.LogoType;
    out += ";base64,";
    AppendBase64(out, document.Logo);
    out += "\">\n";
  }
  out += "<h1>";
  AppendHtmlText(out, document.Title);
  out += "</h1>\n";
  if (!document.Blocks.empty()) {
    out += "<div class=\"blocks\">\n";
    for (const TQuoteBlock &block : document.Blocks)
      AppendBlock(out, "block", block);
    out += "</div>\n";
  }
  out += "<dl>\n";
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
  for (const TQuoteBlock &paragraph : document.Paragraphs) {
    out += "<h2>";
    AppendHtmlText(out, paragraph.Heading);
    out += "</h2>\n";
    AppendBlock(out, "block", {{}, paragraph.Lines});
  }
  if (const TQuoteAcceptance &a = document.Acceptance; !a.Heading.empty()) {
    out += "<section class=\"accept\">\n<h2>";
    AppendHtmlText(out, a.Heading);
    out += "</h2>\n<p>";
    AppendHtmlText(out, a.Text);
    out += "</p>\n";
    for (const std::string &field : a.Fields) {
      out += "<p class=\"field\">";
      AppendHtmlText(out, field);
      out += "</p>\n";
    }
    out += "</section>\n";
  }
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
