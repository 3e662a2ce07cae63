#include "bill/RecoveryRecord.h"

#include "base/AsciiText.h"

#include <algorithm>
#include <charconv>

namespace korvane {

namespace {

// A path may hold any byte but '\0'; the line ends it might hold, and the
// escape itself, are written as %XX so the header stays one line a field.
std::string EscapePath(std::string_view path) {
  std::string out;
  for (const char c : path) {
    if (c == '%')
      out += "%25";
    else if (c == '\n')
      out += "%0A";
    else if (c == '\r')
      out += "%0D";
    else
      out += c;
  }
  return out;
}

std::string UnescapePath(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size()) {
      const int hi = HexDigitValue(text[i + 1]);
      const int lo = HexDigitValue(text[i + 2]);
      if (hi >= 0 && lo >= 0) {
        out += static_cast<char>(hi * 16 + lo);
        i += 2;
        continue;
      }
    }
    out += text[i];
  }
  return out;
}

template <typename T> bool ParseNumber(std::string_view text, T &out) {
  const char *end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, out);
  return ec == std::errc() && ptr == end && !text.empty();
}

// The next line of `bytes` from `pos` (without its '\n'), moving `pos` past
// it; false at the end of the bytes or when no '\n' ends the line.
bool NextLine(std::string_view bytes, std::size_t &pos, std::string_view &line) {
  const std::size_t end = bytes.find('\n', pos);
  if (end == std::string_view::npos)
    return false;
  line = bytes.substr(pos, end - pos);
  pos = end + 1;
  return true;
}

} // namespace

std::string RecoveryFileBytes(const TRecoveryRecord &record) {
  std::string out;
  out.reserve(record.Text.size() + record.BillPath.size() + 80);
  out += kRecoveryMagic;
  out += std::to_string(kRecoveryVersion);
  out += "\nPath: ";
  out += EscapePath(record.BillPath);
  out += "\nChanged: ";
  out += std::to_string(record.ChangedAt);
  out += "\nLength: ";
  out += std::to_string(record.Text.size());
  out += "\n\n";
  out += record.Text;
  return out;
}

TRecoveryRead ReadRecoveryBytes(std::string_view bytes) {
  TRecoveryRead read;
  std::size_t pos = 0;
  std::string_view line;
  if (!NextLine(bytes, pos, line) || !line.starts_with(kRecoveryMagic) ||
      !ParseNumber(line.substr(kRecoveryMagic.size()), read.Version) || read.Version < 1) {
    // Not ours, or the first line is damaged: all of it may be the user's.
    read.Version = 0;
    read.Record.Text = std::string(bytes);
    return read;
  }
  if (read.Version > kRecoveryVersion) {
    read.State = TRecoveryState::Newer;
    return read;
  }
  bool haveLength = false;
  std::size_t length = 0;
  while (true) {
    if (!NextLine(bytes, pos, line))
      return read; // cut short in the header: no text to give back
    if (line.empty())
      break;
    const std::size_t colon = line.find(": ");
    if (colon == std::string_view::npos)
      continue;
    const std::string_view key = line.substr(0, colon);
    const std::string_view value = line.substr(colon + 2);
    if (key == "Path")
      read.Record.BillPath = UnescapePath(value);
    else if (key == "Changed")
      ParseNumber(value, read.Record.ChangedAt);
    else if (key == "Length")
      haveLength = ParseNumber(value, length);
  }
  read.Record.Text = std::string(bytes.substr(pos));
  read.State = haveLength && length == read.Record.Text.size() ? TRecoveryState::Good
                                                               : TRecoveryState::Damaged;
  return read;
}

std::string RecoveryFileName(std::string_view run, int slot) {
  return std::string(run) + '-' + std::to_string(slot) + std::string(kRecoveryExtension);
}

std::string RecoveryLockName(std::string_view run) {
  return std::string(run) + std::string(kRecoveryLockExtension);
}

std::string RecoveryRunOf(std::string_view fileName) {
  if (!fileName.ends_with(kRecoveryExtension))
    return {};
  const std::string_view stem = fileName.substr(0, fileName.size() - kRecoveryExtension.size());
  const std::size_t dash = stem.rfind('-');
  if (dash == std::string_view::npos || dash == 0 || dash + 1 == stem.size())
    return {};
  const std::string_view slot = stem.substr(dash + 1);
  if (!std::all_of(slot.begin(), slot.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return {};
  return std::string(stem.substr(0, dash));
}

} // namespace korvane
