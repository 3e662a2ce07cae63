#include "base/IniStore.h"

#include <algorithm>
#include <unordered_set>

#include "base/AsciiText.h"
#include "base/FileIO.h"

namespace korvane {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Repeated names are listed once; a set keeps that linear for any file.
std::string LowerCopy(std::string_view s) {
  std::string out(s);
  std::transform(out.begin(), out.end(), out.begin(), AsciiLower);
  return out;
}

// A line end inside a name or value would split it into two lines on the next
// load; a blank keeps the rest of the file intact. Trimmed after the
// replacement, so a value ending in a line break reads back from memory as it
// will from the file.
std::string OneLine(std::string_view s) {
  std::string out(s);
  std::replace_if(
      out.begin(), out.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  return std::string(TrimBlanks(out));
}

// Blank lines at the end of a block are dropped on load because every save
// writes one after each section; keeping them would grow the file by one empty
// line per save.
template <class TLine> void DropTrailingBlanks(std::vector<TLine> &lines) {
  while (!lines.empty() && !lines.back().isEntry && TrimBlanks(lines.back().value).empty())
    lines.pop_back();
}

} // namespace

void TIniStore::Clear() {
  preamble_.clear();
  sections_.clear();
}

void TIniStore::Parse(std::string_view bytes) {
  Clear();
  std::vector<Line> *target = &preamble_;
  // A byte order mark some editors put in front would hide the first section.
  std::size_t pos = bytes.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
  while (pos < bytes.size()) {
    std::size_t end = bytes.find_first_of("\r\n", pos);
    if (end == std::string_view::npos)
      end = bytes.size();
    const std::string_view raw = bytes.substr(pos, end - pos);
    // CRLF, a lone CR and a lone LF each end one line.
    pos = end;
    if (pos < bytes.size())
      pos += bytes[pos] == '\r' && pos + 1 < bytes.size() && bytes[pos + 1] == '\n' ? 2 : 1;

    const std::string_view text = TrimBlanks(raw);
    const std::size_t close = text.find(']');
    if (!text.empty() && text.front() == '[' && close != std::string_view::npos) {
      DropTrailingBlanks(*target);
      sections_.push_back({std::string(TrimBlanks(text.substr(1, close - 1))), {}});
      target = &sections_.back().lines;
      continue;
    }
    const std::size_t eq = text.find('=');
    const bool comment = !text.empty() && (text.front() == ';' || text.front() == '#');
    if (target != &preamble_ && !comment && eq != std::string_view::npos && eq > 0 &&
        !TrimBlanks(text.substr(0, eq)).empty()) {
      target->push_back({std::string(TrimBlanks(text.substr(0, eq))),
                         std::string(TrimBlanks(text.substr(eq + 1))), true});
    } else {
      target->push_back({{}, std::string(raw), false});
    }
  }
  DropTrailingBlanks(*target);
}

std::string TIniStore::Serialize() const {
  std::string out;
  const auto writeLines = [&out](const std::vector<Line> &lines) {
    for (const Line &line : lines) {
      if (line.isEntry) {
        out += line.key;
        out += '=';
      }
      out += line.value;
      out += "\r\n";
    }
  };
  writeLines(preamble_);
  // A file's leading byte order mark is dropped on load; a first line that
  // itself starts with one keeps it only behind another.
  if (std::string_view(out).starts_with(kByteOrderMark))
    out.insert(0, kByteOrderMark);
  for (const Section &section : sections_) {
    out += '[';
    out += section.name;
    out += "]\r\n";
    writeLines(section.lines);
    out += "\r\n";
  }
  return out;
}

bool TIniStore::LoadFile(const std::string &path, std::string *error) {
  std::string bytes;
  bool missing = false;
  if (!ReadFileBytes(path, bytes, error, kMaxFileSize, &missing)) {
    if (!missing)
      return false;
    bytes.clear();
  }
  Parse(bytes);
  return true;
}

bool TIniStore::SaveFile(const std::string &path, std::string *error) const {
  return AtomicWriteFile(path, Serialize(), error);
}

TIniStore::Section *TIniStore::find(std::string_view section) {
  for (Section &s : sections_)
    if (EqualsNoCase(s.name, section))
      return &s;
  return nullptr;
}

const TIniStore::Section *TIniStore::find(std::string_view section) const {
  for (const Section &s : sections_)
    if (EqualsNoCase(s.name, section))
      return &s;
  return nullptr;
}

std::optional<std::string> TIniStore::Read(std::string_view section, std::string_view key) const {
  const Section *s = find(section);
  if (!s)
    return std::nullopt;
  for (const Line &line : s->lines)
    if (line.isEntry && EqualsNoCase(line.key, key))
      return line.value;
  return std::nullopt;
}

std::string TIniStore::ReadString(std::string_view section, std::string_view key,
                                  std::string_view fallback) const {
  std::optional<std::string> value = Read(section, key);
  return value ? std::move(*value) : std::string(fallback);
}

void TIniStore::Write(std::string_view section, std::string_view key, std::string_view value) {
  Section *s = find(section);
  if (!s) {
    sections_.push_back({OneLine(section), {}});
    s = &sections_.back();
  }
  for (Line &line : s->lines) {
    if (line.isEntry && EqualsNoCase(line.key, key)) {
      line.value = OneLine(value);
      return;
    }
  }
  s->lines.push_back({OneLine(key), OneLine(value), true});
}

bool TIniStore::HasSection(std::string_view section) const {
  return find(section) != nullptr;
}

void TIniStore::EraseSection(std::string_view section) {
  std::erase_if(sections_, [section](const Section &s) { return EqualsNoCase(s.name, section); });
}

std::vector<std::string> TIniStore::Sections() const {
  std::vector<std::string> names;
  std::unordered_set<std::string> seen;
  for (const Section &s : sections_)
    if (seen.insert(LowerCopy(s.name)).second)
      names.push_back(s.name);
  return names;
}

std::vector<std::string> TIniStore::Keys(std::string_view section) const {
  std::vector<std::string> keys;
  std::unordered_set<std::string> seen;
  if (const Section *s = find(section))
    for (const Line &line : s->lines)
      if (line.isEntry && seen.insert(LowerCopy(line.key)).second)
        keys.push_back(line.key);
  return keys;
}

} // namespace korvane
