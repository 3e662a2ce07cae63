#include "bill/BillComment.h"

namespace korvane {

std::string BillCommentText(std::string_view text, std::size_t most) {
  text = text.substr(0, most);
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    if (c == '{' || c == '}')
      out += c == '{' ? '(' : ')';
    else
      out += static_cast<unsigned char>(c) < 32 || c == 127 ? ' ' : c;
  }
  return out;
}

} // namespace korvane
