#include "tools/JsonText.h"

#include <charconv>
#include <cmath>

namespace korvane {

void AppendJsonString(std::string &out, std::string_view text) {
  out += '"';
  AppendJsonEscaped(out, text);
  out += '"';
}

void AppendJsonEscaped(std::string &out, std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::size_t run = 0; // start of the bytes not yet copied
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= 0x20 && c != '"' && c != '\\')
      continue;
    out.append(text, run, i - run);
    run = i + 1;
    switch (c) {
    case '"':
      out += "\\\"";
      break;
    case '\\':
      out += "\\\\";
      break;
    case '\n':
      out += "\\n";
      break;
    case '\r':
      out += "\\r";
      break;
    case '\t':
      out += "\\t";
      break;
    default:
      out += "\\u00";
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  }
  out.append(text, run, text.size() - run);
}

void AppendJsonNumber(std::string &out, double value) {
  if (!std::isfinite(value)) {
    out += "null";
    return;
  }
  char buf[32];
  // Most values typed are whole numbers; those print without the search for
  // the shortest form. Negative zero keeps its sign through the long way.
  if (value == std::trunc(value) && std::fabs(value) < 1e15 && !std::signbit(value)) {
    const auto res = std::to_chars(buf, buf + sizeof buf, static_cast<long long>(value));
    out.append(buf, res.ptr);
    return;
  }
  const auto res = std::to_chars(buf, buf + sizeof buf, value);
  out.append(buf, res.ptr);
}

void AppendCsvField(std::string &out, std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
    out += text;
    return;
  }
  out += '"';
  for (char c : text) {
    if (c == '"')
      out += '"';
    out += c;
  }
  out += '"';
}

} // namespace korvane
