// The INI store: any bytes parse; what is serialized parses back to the same
// sections, keys and values and serializes to the same bytes; values written
// with Write (any bytes) read back the same before and after a round trip.
#include <optional>
#include <vector>

#include "base/AsciiText.h"
#include "base/IniStore.h"
#include "fuzz/FuzzSupport.h"

using namespace korvane;
using namespace korvane::fuzz;

namespace {

struct TEntry {
  std::string section, key, value;
  bool operator==(const TEntry &) const = default;
};

std::vector<TEntry> Entries(const TIniStore &ini) {
  std::vector<TEntry> out;
  for (const std::string &s : ini.Sections())
    for (const std::string &k : ini.Keys(s))
      out.push_back({s, k, ini.Read(s, k).value_or("<missing>")});
  return out;
}

// Section and key names of this program are plain words without blanks
// around them; a name that holds a line structure character ('=', ']') or
// starts like a comment or a section cannot be kept by any INI file, so
// those are not written.
bool PlainName(std::string_view name) {
  const std::string_view t = TrimBlanks(name);
  if (t.empty() || t.size() != name.size() || t.front() == ';' || t.front() == '#' ||
      t.front() == '[')
    return false;
  for (char c : t)
    if (c == '=' || c == ']' || c == '\r' || c == '\n')
      return false;
  return true;
}

// What a value reads back as after Write: one line, without blanks around.
std::string AsWritten(std::string_view value) {
  std::string out(TrimBlanks(value));
  for (char &c : out)
    if (c == '\r' || c == '\n')
      c = ' ';
  return std::string(TrimBlanks(out));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  TPieces pieces(AsText(data, size));
  const std::string_view text = pieces.Next();

  TIniStore ini;
  ini.Parse(text);
  const std::string once = ini.Serialize();
  TIniStore back;
  back.Parse(once);
  FUZZ_CHECK(Entries(back) == Entries(ini));
  FUZZ_CHECK(back.Serialize() == once);

  // The rest of the input: triples of section, key, value to write.
  std::vector<TEntry> writes;
  while (!pieces.Empty()) {
    const std::string_view s = pieces.Next(), k = pieces.Next(), v = pieces.Next();
    if (!PlainName(s) || !PlainName(k))
      continue;
    ini.Write(s, k, v);
    FUZZ_CHECK(ini.Read(s, k) == AsWritten(v));
    writes.push_back({std::string(s), std::string(k), AsWritten(v)});
  }
  TIniStore written;
  written.Parse(ini.Serialize());
  FUZZ_CHECK(Entries(written) == Entries(ini));
  // The last write of each name wins.
  for (auto it = writes.rbegin(); it != writes.rend(); ++it) {
    bool later = false;
    for (auto jt = writes.rbegin(); jt != it; ++jt)
      later = later || (EqualsNoCase(jt->section, it->section) && EqualsNoCase(jt->key, it->key));
    if (!later)
      FUZZ_CHECK(written.Read(it->section, it->key) == it->value);
  }
  return 0;
}
