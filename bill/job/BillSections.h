#pragma once
// Where the bill window's "Paste item" puts an item: at the end of the
// section the caret is in. In a bill with "#" headings a heading starts a
// section, as on its quote; in one without, a GlobalSettings line does, so a
// pasted item lands among the items whose defaults it shares.
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// The 0-based line before which an item goes when the caret is on
// `caretLine`: the next heading (or, without headings, GlobalSettings line)
// below the caret, else the end.
// Trailing blank lines of the section stay below the item.
int SectionEndLine(const std::vector<std::string_view> &lines, int caretLine);

// The clipboard's text as whole bill lines: line ends made "\n", one at the
// end, blank lines around it dropped. Empty when there is nothing to paste.
std::string PastedEntryText(std::string_view clipboard);

} // namespace korvane
