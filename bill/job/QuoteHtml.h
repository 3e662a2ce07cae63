#pragma once
// A quote document as one self-contained HTML page: its styles inside, print
// styles among them, no scripts and no links out.
#include <string>
#include <string_view>

#include "bill/job/QuoteDocument.h"

namespace korvane {

void AppendQuoteHtml(std::string &out, const TQuoteDocument &document);

// `text` with &, <, >, " and ' written as HTML entities.
void AppendHtmlText(std::string &out, std::string_view text);

} // namespace korvane
