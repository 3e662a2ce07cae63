#include "bill/takeoff/XlsxSheet.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <vector>

#include "bill/job/XlsxBook.h"
#include "bill/takeoff/XlsxXml.h"

namespace korvane {

namespace {

constexpr std::size_t kMaxMerges = 10000;
// The most cells merged ranges fill, all ranges together; a range past it
// keeps its value in its top-left cell only. A range over the whole sheet
// would otherwise put thousands of cells in each of a million rows.
constexpr long long kMaxMergedCells = 1 << 22;

struct TMerge {
  int Row1, Col1, Row2, Col2;
  std::string Value; // the top-left cell's, once its row is read
};

struct TMergeReader : TXmlHandler {
  std::vector<TMerge> merges;
  long long budget = kMaxMergedCells;
  void Start(std::string_view name, std::span<const TXmlAttribute> a) override {
    if (name != "mergeCell")
      return;
    const std::string_view ref = XmlAttribute(a, "ref");
    const std::size_t colon = ref.find(':');
    TMerge m{};
    if (colon == std::string_view::npos ||
        !ReadCellReference(ref.substr(0, colon), m.Col1, m.Row1) ||
        !ReadCellReference(ref.substr(colon + 1), m.Col2, m.Row2) || m.Row2 < m.Row1 ||
        m.Col2 < m.Col1)
      return; // a range that does not read merges nothing
    const long long area =
        static_cast<long long>(m.Row2 - m.Row1 + 1) * static_cast<long long>(m.Col2 - m.Col1 + 1);
    if (merges.size() == kMaxMerges) {
      Failure = "more than " + std::to_string(kMaxMerges) + " merged ranges";
    } else if (area <= budget) {
      budget -= area;
      merges.push_back(std::move(m));
    }
  }
  void End(std::string_view) override {}
  void Text(std::string_view) override {}
};

// A number as the sheet keeps it ("2.3999999999999999") in the shortest
// form that reads back the same ("2.4").
std::string ShortestNumber(std::string_view text) {
  double x = 0;
  const auto in = std::from_chars(text.data(), text.data() + text.size(), x);
  if (in.ec != std::errc() || in.ptr != text.data() + text.size())
    return std::string(text);
  std::array<char, 64> buf;
  const auto out = std::to_chars(buf.data(), buf.data() + buf.size(), x);
  return out.ec == std::errc() ? std::string(buf.data(), out.ptr) : std::string(text);
}

class TSheetReader : public TXmlHandler {
public:
  TSheetReader(const TXlsxStrings &strings, TTakeoffRowSink &sink, std::vector<TMerge> merges)
      : strings_(strings), sink_(sink), merges_(std::move(merges)) {
    std::sort(merges_.begin(), merges_.end(),
              [](const TMerge &a, const TMerge &b) { return a.Row1 < b.Row1; });
  }

  void Start(std::string_view name, std::span<const TXmlAttribute> a) override {
    if (name == "row") {
      StartRow(XmlAttribute(a, "r"));
    } else if (name == "c" && inRow_) {
      StartCell(XmlAttribute(a, "r"), XmlAttribute(a, "t"));
    } else if (inCell_ && (name == "v" || (name == "t" && inInline_ && phonetic_ == 0))) {
      collect_ = true;
    } else if (inCell_ && name == "is") {
      inInline_ = true;
    } else if (inCell_ && name == "rPh") {
      ++phonetic_;
    }
  }

  void End(std::string_view name) override {
    if (name == "v" || name == "t") {
      collect_ = false;
    } else if (name == "rPh") {
      --phonetic_;
    } else if (name == "is") {
      inInline_ = false;
    } else if (name == "c" && inCell_) {
      EndCell();
    } else if (name == "row" && inRow_) {
      EndRow();
    }
  }

  void Text(std::string_view text) override {
    if (!collect_)
      return;
    if (value_.size() + text.size() > kTakeoffMaxCellBytes) {
      Failure = "cell " + TXlsxSheet::Cell(col_, static_cast<unsigned>(row_ - 1)) +
                " holds more than " + std::to_string(kTakeoffMaxCellBytes) + " characters";
      return;
    }
    value_.append(text);
  }

private:
  void StartRow(std::string_view ref) {
    int row = row_ + 1;
    if (!ref.empty()) {
      const auto res = std::from_chars(ref.data(), ref.data() + ref.size(), row);
      if (res.ec != std::errc() || res.ptr != ref.data() + ref.size())
        row = 0;
    }
    if (row < 1 || row > kTakeoffMaxRows || row <= row_) {
      Failure = row > kTakeoffMaxRows || (ref.empty() && row_ == kTakeoffMaxRows)
                    ? "more than " + std::to_string(kTakeoffMaxRows) + " rows"
                    : "row number '" + std::string(ref.substr(0, 20)) + "' after row " +
                          std::to_string(row_);
      return;
    }
    row_ = row;
    col_ = -1;
    inRow_ = true;
    cells_.clear();
    texts_.clear();
  }

  void StartCell(std::string_view ref, std::string_view type) {
    int col = col_ + 1;
    int row = row_;
    if (!ref.empty() && (!ReadCellReference(ref, col, row) || row != row_)) {
      Failure = "cell reference '" + std::string(ref.substr(0, 20)) + "' in row " +
                std::to_string(row_) + " does not read (past column XFD?)";
      return;
    }
    if (col >= kTakeoffMaxColumns || col <= col_) {
      Failure = "row " + std::to_string(row_) + " has a cell past column XFD or out of order";
      return;
    }
    col_ = col;
    type_ = type;
    inCell_ = true;
    value_.clear();
  }

  void EndCell() {
    inCell_ = false;
    if (type_ == "s") {
      std::size_t i = 0;
      const auto res = std::from_chars(value_.data(), value_.data() + value_.size(), i);
      if (value_.empty() || res.ec != std::errc() || i >= strings_.Count()) {
        Failure = "cell " + TXlsxSheet::Cell(col_, static_cast<unsigned>(row_ - 1)) +
                  " names shared string '" + value_.substr(0, 20) + "' of " +
                  std::to_string(strings_.Count());
        return;
      }
      value_.assign(strings_.At(i));
    } else if (type_ == "b") {
      value_ = value_ == "1" ? "TRUE" : "FALSE";
    } else if (type_.empty() || type_ == "n") {
      value_ = ShortestNumber(value_);
    }
    if (!value_.empty()) {
      cells_.push_back({col_, {}});
      texts_.push_back(value_);
    }
  }

  void EndRow() {
    inRow_ = false;
    FillMerges();
    for (std::size_t i = 0; i < cells_.size(); ++i)
      cells_[i].Text = texts_[i];
    if (!cells_.empty())
      sink_.Row(row_, cells_);
  }

  // Merged ranges starting in this row take their value from it; those
  // over it give theirs to its empty cells.
  void FillMerges() {
    while (next_ < merges_.size() && merges_[next_].Row1 <= row_) {
      TMerge &m = merges_[next_++];
      if (m.Row1 != row_)
        continue; // its top row had no cells
      for (std::size_t i = 0; i < cells_.size(); ++i)
        if (cells_[i].Col == m.Col1)
          m.Value = texts_[i];
      if (!m.Value.empty())
        active_.push_back(&m);
    }
    std::erase_if(active_, [this](const TMerge *m) { return m->Row2 < row_; });
    if (active_.empty())
      return;
    const std::size_t ownCells = cells_.size();
    for (const TMerge *m : active_) {
      for (int c = m->Col1; c <= m->Col2; ++c) {
        // The row's own cells come first, in column order.
        const auto own = cells_.begin() + static_cast<std::ptrdiff_t>(ownCells);
        const bool filled = std::binary_search(
            cells_.begin(), own, TTakeoffCell{c, {}},
            [](const TTakeoffCell &a, const TTakeoffCell &b) { return a.Col < b.Col; });
        if (!filled) {
          cells_.push_back({c, {}});
          texts_.push_back(m->Value);
        }
      }
    }
    std::vector<std::size_t> order(cells_.size());
    for (std::size_t i = 0; i < order.size(); ++i)
      order[i] = i;
    std::sort(order.begin(), order.end(),
              [this](std::size_t a, std::size_t b) { return cells_[a].Col < cells_[b].Col; });
    std::vector<TTakeoffCell> cells;
    std::vector<std::string> texts;
    for (const std::size_t i : order) {
      cells.push_back(cells_[i]);
      texts.push_back(std::move(texts_[i]));
    }
    cells_ = std::move(cells);
    texts_ = std::move(texts);
  }

  const TXlsxStrings &strings_;
  TTakeoffRowSink &sink_;
  std::vector<TMerge> merges_;
  std::size_t next_ = 0;
  std::vector<TMerge *> active_;
  int row_ = 0;
  int col_ = -1;
  bool inRow_ = false;
  bool inCell_ = false;
  bool inInline_ = false;
  bool collect_ = false;
  int phonetic_ = 0;
  std::string type_;
  std::string value_;
  std::vector<TTakeoffCell> cells_;
  std::vector<std::string> texts_;
};

} // namespace

bool ReadCellReference(std::string_view ref, int &col, int &row) {
  std::size_t i = 0;
  long c = 0;
  while (i < ref.size() && ref[i] >= 'A' && ref[i] <= 'Z' && i < 3)
    c = c * 26 + (ref[i++] - 'A' + 1);
  if (i == 0 || c > kTakeoffMaxColumns || i == ref.size())
    return false;
  int r = 0;
  const auto res = std::from_chars(ref.data() + i, ref.data() + ref.size(), r);
  if (res.ec != std::errc() || res.ptr != ref.data() + ref.size() || r < 1 || r > kTakeoffMaxRows ||
      ref[i] == '+' || ref[i] == '-')
    return false;
  col = static_cast<int>(c - 1);
  row = r;
  return true;
}

bool ReadXlsxSheet(std::string_view xml, const TXlsxStrings &strings, TTakeoffRowSink &sink,
                   std::string &error) {
  TMergeReader merges;
  if (xml.find("mergeCell") != std::string_view::npos && !ParseXlsxXml(xml, merges, error))
    return false;
  TSheetReader reader(strings, sink, std::move(merges.merges));
  return ParseXlsxXml(xml, reader, error);
}

} // namespace korvane
