#pragma once
// The item as one line of the bill language, for the clipboard: a keyword
// with its option list, then a tab-indented numbers line.
#include <string>
#include <string_view>

namespace korvane {

struct TSolveReport;

// The type's keyword; bends priced with vanes get "Vaned" in front.
std::string BillKeyword(int type, bool VanesFlag);

// The clipboard text of the last solve of `type`: keyword, " (", the option
// list, ")", then tab, hyphen, tab and the summary line, each line ended by
// CR LF. It reads only what the solve kept and never solves.
std::string BillClipboardText(int type, const TSolveReport &report);
void AppendBillText(std::string &out, int type, const TSolveReport &report,
                    std::string_view lineEnd = "\r\n");

} // namespace korvane
