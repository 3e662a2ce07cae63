#include "bill/model/StepFile.h"

#include <algorithm>

#include "base/AsciiText.h"
#include "bill/BillKeywords.h"

namespace korvane {

namespace {

// A header statement longer than this is no header: a file that is not a
// STEP file must not be buffered whole before it is refused.
constexpr std::size_t kMaxHeaderStatement = 64u << 10;
constexpr std::string_view kMagic = "ISO-10303-21";

bool IsNameChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || IsDigit(c) || c == '_' || c == '-';
}

// White space of any kind, line ends among it, stands between tokens.
std::string_view Trim(std::string_view s) {
  while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ')
    s.remove_prefix(1);
  while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ')
    s.remove_suffix(1);
  return s;
}

// The start of a statement, for an error to quote.
std::string Quote(std::string_view text) {
  std::string q;
  for (char c : text.substr(0, 40))
    q += (static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) > 126) ? '?' : c;
  return "'" + q + (text.size() > 40 ? "...'" : "'");
}

// Copies `args` without the blanks and comments outside its strings.
void AppendPacked(std::string &out, std::string_view args) {
  bool inString = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const char c = args[i];
    if (c == '\'')
      inString = !inString;
    else if (!inString && c == '/' && i + 1 < args.size() && args[i + 1] == '*') {
      const std::size_t end = args.find("*/", i + 2);
      i = end == std::string_view::npos ? args.size() : end + 1;
      continue;
    } else if (!inString && static_cast<unsigned char>(c) <= ' ')
      continue;
    out += c;
  }
}

} // namespace

TStepFile::TStepFile(std::string fileName, std::span<const std::string_view> wanted)
    : fileName_(std::move(fileName)) {
  for (std::size_t i = 0; i < wanted.size(); ++i)
    names_.emplace_back(wanted[i], static_cast<std::uint32_t>(i));
  std::sort(names_.begin(), names_.end());
}

void TStepFile::Fail(std::string why) {
  if (error_.empty())
    error_ = "'" + fileName_ + "' " + std::move(why);
  state_ = TState::End;
  carry_.clear();
  carry_.shrink_to_fit();
}

void TStepFile::Feed(std::string_view bytes) {
  if (!error_.empty())
    return;
  std::size_t start = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (inComment_) {
      if (c == '/' && last_ == '*') {
        inComment_ = false;
        last_ = 0;
        start = i + 1;
        continue;
      }
    } else if (c == '\'') {
      inString_ = !inString_;
    } else if (!inString_) {
      if (c == '*' && last_ == '/') {
        // A comment is left out of its statement, as a blank.
        if (i > start)
          carry_.append(bytes.substr(start, i - 1 - start));
        else if (!carry_.empty())
          carry_.pop_back(); // its '/' came in the piece before
        carry_ += ' ';
        inComment_ = true;
        last_ = 0;
        continue;
      }
      if (c == ';') {
        if (carry_.empty()) {
          Statement(bytes.substr(start, i - start));
        } else {
          carry_.append(bytes.substr(start, i - start));
          Statement(carry_);
          carry_.clear();
        }
        if (!error_.empty())
          return;
        start = i + 1;
      }
    }
    last_ = c;
  }
  if (!inComment_)
    carry_.append(bytes.substr(std::min(start, bytes.size())));
  if (state_ != TState::Data && carry_.size() > kMaxHeaderStatement)
    Fail(state_ == TState::Start
             ? "is not a STEP file (ISO 10303-21): it does not begin with " + std::string(kMagic)
             : "has a header statement of more than 64 KiB");
}

void TStepFile::Statement(std::string_view text) {
  text = Trim(text);
  switch (state_) {
  case TState::Start: {
    if (text.starts_with("\xEF\xBB\xBF"))
      text = Trim(text.substr(3));
    if (text != kMagic)
      Fail("is not a STEP file (ISO 10303-21): it does not begin with " + std::string(kMagic));
    else
      state_ = TState::Header;
    return;
  }
  case TState::Header:
    HeaderStatement(text);
    return;
  case TState::Data:
    DataStatement(text);
    return;
  case TState::End:
    return;
  }
}

void TStepFile::HeaderStatement(std::string_view text) {
  std::string word;
  for (char c : text) {
    if (!IsNameChar(c))
      break;
    word += c;
  }
  word = BillUpper(word);
  if (word == "FILE_SCHEMA") {
    const std::size_t open = text.find('\'');
    const std::size_t close = open == std::string_view::npos ? open : text.find('\'', open + 1);
    if (close == std::string_view::npos) {
      Fail("names no schema in its FILE_SCHEMA");
      return;
    }
    schemaName_ = BillUpper(Trim(text.substr(open + 1, close - open - 1)));
    if (schemaName_.starts_with("IFC2X3"))
      schema_ = TStepSchema::Ifc2x3;
    else if (schemaName_.starts_with("IFC4") && !schemaName_.starts_with("IFC4X"))
      schema_ = TStepSchema::Ifc4;
  } else if (word == "DATA") {
    if (schema_ == TStepSchema::Unknown) {
      Fail(schemaName_.empty() ? "names no schema before its data"
                               : "is a model of schema " + Quote(schemaName_) +
                                     ", which is not read: only IFC2X3 and IFC4 are");
      return;
    }
    state_ = TState::Data;
    dataSeen_ = true;
  } else if (word == "END-ISO-10303-21") {
    if (!dataSeen_)
      Fail("has no data section");
    state_ = TState::End;
  }
}

void TStepFile::DataStatement(std::string_view text) {
  if (text == "ENDSEC") {
    state_ = TState::Header; // another DATA section may follow
    return;
  }
  std::size_t i = 0;
  std::uint64_t id = 0;
  if (text.empty() || text[0] != '#') {
    Fail("has an instance that is not read: " + Quote(text));
    return;
  }
  for (i = 1; i < text.size() && IsDigit(text[i]); ++i) {
    if (id > (UINT64_MAX - 9) / 10) {
      Fail("has an instance number that is too large: " + Quote(text));
      return;
    }
    id = id * 10 + static_cast<std::uint64_t>(text[i] - '0');
  }
  std::string_view rest = Trim(text.substr(i));
  if (i == 1 || rest.empty() || rest[0] != '=' || text.back() != ')') {
    Fail("has an instance that is not read: " + Quote(text));
    return;
  }
  rest = Trim(rest.substr(1));
  std::size_t n = 0;
  while (n < rest.size() && IsNameChar(rest[n]))
    ++n;
  const std::string_view name = rest.substr(0, n);
  rest = Trim(rest.substr(n));
  if (name.empty() || rest.empty() || rest[0] != '(')
    return; // a complex instance: nothing this reader looks at
  const auto found =
      std::lower_bound(names_.begin(), names_.end(), name,
                       [](const auto &entry, std::string_view key) { return entry.first < key; });
  std::uint32_t type = 0;
  if (found != names_.end() && found->first == name) {
    type = found->second;
  } else {
    const std::string upper = BillUpper(name);
    const auto again =
        std::lower_bound(names_.begin(), names_.end(), std::string_view(upper),
                         [](const auto &entry, std::string_view key) { return entry.first < key; });
    if (again == names_.end() || again->first != upper)
      return;
    type = again->second;
  }
  const std::string_view args = rest.substr(1, rest.size() - 2);
  const std::size_t at = arena_.size();
  AppendPacked(arena_, args);
  if (arena_.size() - at > UINT32_MAX) {
    Fail("has an instance of more than 4 GiB");
    return;
  }
  entities_.push_back({id, type, static_cast<std::uint32_t>(arena_.size() - at), at});
}

bool TStepFile::Finish(std::string &error) {
  if (error_.empty()) {
    if (state_ == TState::Start)
      Fail("is not a STEP file (ISO 10303-21): it does not begin with " + std::string(kMagic));
    else if (inString_ || inComment_ || !Trim(carry_).empty())
      Fail(inString_    ? "ends inside a string"
           : inComment_ ? "ends inside a comment"
                        : "ends inside an instance");
    else if (!dataSeen_)
      Fail("has no data section");
  }
  carry_.clear();
  carry_.shrink_to_fit();
  if (!error_.empty()) {
    error = error_;
    arena_.clear();
    entities_.clear();
    return false;
  }
  const auto byId = [](const TStepEntity &a, const TStepEntity &b) { return a.Id < b.Id; };
  if (!std::is_sorted(entities_.begin(), entities_.end(), byId))
    std::stable_sort(entities_.begin(), entities_.end(), byId);
  for (std::size_t i = 1; i < entities_.size(); ++i)
    if (entities_[i].Id == entities_[i - 1].Id) {
      error = "'" + fileName_ + "' defines instance #" + std::to_string(entities_[i].Id) + " twice";
      return false;
    }
  return true;
}

const TStepEntity *TStepFile::Find(std::uint64_t id) const {
  const auto it =
      std::lower_bound(entities_.begin(), entities_.end(), id,
                       [](const TStepEntity &e, std::uint64_t key) { return e.Id < key; });
  return it != entities_.end() && it->Id == id ? &*it : nullptr;
}

} // namespace korvane
