#pragma once
// An in-memory sectioned key=value store with the layout of INI files.
// Sections and keys are matched without regard to ASCII case; the first match
// wins; a written value replaces the existing entry in place, a new key is
// appended to its section, a new section to the end. Lines the store does not
// understand (comments, junk) are kept and written back as they were.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

class TIniStore {
public:
  static constexpr std::size_t kMaxFileSize = 2u << 20;

  // Replaces the contents with the parsed bytes. Accepts any bytes: CR, LF or
  // CRLF line ends, NULs, no final line end; never throws.
  void Parse(std::string_view bytes);
  // Every line ended by CRLF; one empty line after each section.
  std::string Serialize() const;

  // A missing file reads as empty and succeeds; other failures return false
  // with the file layer's error text. Files over kMaxFileSize are refused
  // ("File too large"): the files kept this way are a few kilobytes, and a
  // huge one of empty lines would take gigabytes in memory.
  bool LoadFile(const std::string &path, std::string *error = nullptr);
  // Atomic: written to a temporary file beside `path`, then renamed over it.
  bool SaveFile(const std::string &path, std::string *error = nullptr) const;

  std::optional<std::string> Read(std::string_view section, std::string_view key) const;
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback) const;
  void Write(std::string_view section, std::string_view key, std::string_view value);
  bool HasSection(std::string_view section) const;
  void EraseSection(std::string_view section);
  std::vector<std::string> Sections() const;
  // Keys of the first section of that name, in file order.
  std::vector<std::string> Keys(std::string_view section) const;
  void Clear();

private:
  struct Line {
    std::string key;   // empty for a line that is not an entry
    std::string value; // the entry's value, or the raw text of any other line
    bool isEntry = false;
  };
  struct Section {
    std::string name;
    std::vector<Line> lines;
  };
  std::vector<Line> preamble_; // lines before the first section
  std::vector<Section> sections_;
  Section *find(std::string_view section);
  const Section *find(std::string_view section) const;
};

} // namespace korvane
