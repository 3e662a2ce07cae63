#include "bill/takeoff/XlsxParts.h"

#include "bill/takeoff/XlsxXml.h"

namespace korvane {

namespace {

struct TRel {
  std::string Id, Type, Target;
};

// A relationship's target as a part name: relative to xl/, or from the
// package's root when it starts with "/".
std::string PartName(std::string_view target) {
  if (target.starts_with('/'))
    return std::string(target.substr(1));
  std::string part = "xl/";
  while (target.starts_with("../")) {
    target.remove_prefix(3);
    part.clear();
  }
  return part + std::string(target);
}

struct TRelsReader : TXmlHandler {
  std::vector<TRel> rels;
  void Start(std::string_view name, std::span<const TXmlAttribute> a) override {
    if (name == "Relationship" && rels.size() < 100000)
      rels.push_back({std::string(XmlAttribute(a, "Id")), std::string(XmlAttribute(a, "Type")),
                      std::string(XmlAttribute(a, "Target"))});
  }
  void End(std::string_view) override {}
  void Text(std::string_view) override {}
};

struct TWorkbookReader : TXmlHandler {
  std::vector<std::pair<std::string, std::string>> sheets; // name, relationship id
  void Start(std::string_view name, std::span<const TXmlAttribute> a) override {
    if (name == "sheet" && sheets.size() < 100000)
      sheets.emplace_back(std::string(XmlAttribute(a, "name")), std::string(XmlAttribute(a, "id")));
  }
  void End(std::string_view) override {}
  void Text(std::string_view) override {}
};

struct TStringsReader : TXmlHandler {
  std::string *text = nullptr;
  std::vector<std::uint32_t> *ends = nullptr;
  int phonetic = 0; // inside <rPh>
  bool inT = false;
  void Start(std::string_view name, std::span<const TXmlAttribute>) override {
    if (name == "rPh")
      ++phonetic;
    else if (name == "t")
      inT = phonetic == 0;
  }
  void End(std::string_view name) override {
    if (name == "rPh")
      --phonetic;
    else if (name == "t")
      inT = false;
    else if (name == "si")
      ends->push_back(static_cast<std::uint32_t>(text->size()));
  }
  void Text(std::string_view t) override {
    if (inT)
      text->append(t);
  }
};

} // namespace

bool ReadXlsxWorkbook(std::string_view workbook, std::string_view rels,
                      std::vector<TXlsxSheetRef> &sheets, std::string &sharedStrings,
                      std::string &error) {
  TRelsReader r;
  TWorkbookReader w;
  if (!rels.empty() && !ParseXlsxXml(rels, r, error)) {
    error = "xl/_rels/workbook.xml.rels: " + error;
    return false;
  }
  if (!ParseXlsxXml(workbook, w, error)) {
    error = "xl/workbook.xml: " + error;
    return false;
  }
  sheets.clear();
  sharedStrings.clear();
  for (const TRel &rel : r.rels)
    if (rel.Type.ends_with("/sharedStrings"))
      sharedStrings = PartName(rel.Target);
  for (std::size_t i = 0; i < w.sheets.size(); ++i) {
    std::string part;
    for (const TRel &rel : r.rels)
      if (rel.Id == w.sheets[i].second)
        part = PartName(rel.Target);
    if (part.empty())
      part = "xl/worksheets/sheet" + std::to_string(i + 1) + ".xml";
    sheets.push_back({w.sheets[i].first, std::move(part)});
  }
  return true;
}

bool TXlsxStrings::Read(std::string_view xml, std::string &error) {
  text_.clear();
  ends_.clear();
  TStringsReader reader;
  reader.text = &text_;
  reader.ends = &ends_;
  if (ParseXlsxXml(xml, reader, error))
    return true;
  error = "the shared strings: " + error;
  return false;
}

std::string_view TXlsxStrings::At(std::size_t i) const {
  const std::size_t begin = i == 0 ? 0 : ends_[i - 1];
  return std::string_view(text_).substr(begin, ends_[i] - begin);
}

} // namespace korvane
