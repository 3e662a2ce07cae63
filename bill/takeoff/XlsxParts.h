#pragma once
// The parts of an XLSX around its sheets: the workbook's list of sheets with
// the part each is kept in, and the shared strings the sheets' cells point
// to.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

struct TXlsxSheetRef {
  std::string Name;
  std::string Part; // e.g. "xl/worksheets/sheet1.xml"
};

// The sheets of workbook.xml in their order, their parts found through its
// relationships (`rels`, xl/_rels/workbook.xml.rels); also the shared
// strings' part, empty when there is none. False with `error` for XML that
// does not read.
bool ReadXlsxWorkbook(std::string_view workbook, std::string_view rels,
                      std::vector<TXlsxSheetRef> &sheets, std::string &sharedStrings,
                      std::string &error);

// The shared strings, all in one text: rich text runs joined, phonetic runs
// left out.
class TXlsxStrings {
public:
  bool Read(std::string_view xml, std::string &error);
  std::size_t Count() const { return ends_.size(); }
  std::string_view At(std::size_t i) const;

private:
  std::string text_;
  std::vector<std::uint32_t> ends_;
};

} // namespace korvane
