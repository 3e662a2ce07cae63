#include "bill/job/JobTakeoffSheet.h"

#include <algorithm>

#include "app/ItemRowSet.h"
#include "app/ItemValueEntry.h"
#include "base/AsciiText.h"
#include "base/NumberText.h"
#include "bill/BillKeywords.h"

namespace korvane {

namespace {

// The decimals of a number as the grid writes it ("2.400" has three).
std::uint8_t DecimalsOf(const std::string &shown) {
  const std::size_t point = shown.find('.');
  return point == std::string::npos
             ? 0
             : static_cast<std::uint8_t>(std::min<std::size_t>(shown.size() - point - 1, 9));
}

} // namespace

TJobTakeoffSheet::TJobTakeoffSheet(const TJobDetails &details)
    : details_(JobDetailTexts(details)), used_(CatalogueProps().size()) {
  TCatalogue catalogue;
  BuildCatalogue(catalogue);
  itemRows_ = std::make_unique<TItemRowSet>(catalogue, sink_);
  const std::vector<std::string_view> &props = CatalogueProps();
  for (std::size_t t = 0; t < DuctTypes.size(); ++t)
    for (std::size_t p = 0; p < DuctTypes[t].Props.size(); ++p)
      for (std::size_t c = 0; c < props.size(); ++c)
        if (EqualsNoCase(props[c], DuctTypes[t].Props[p]))
          columnOf_[t][p] = static_cast<std::uint8_t>(c);
}

TJobTakeoffSheet::~TJobTakeoffSheet() = default;

std::int16_t TJobTakeoffSheet::ChoiceIndex(const std::string &text) {
  const auto at = std::find(choices_.begin(), choices_.end(), text);
  if (at != choices_.end())
    return static_cast<std::int16_t>(at - choices_.begin());
  choices_.push_back(text);
  return static_cast<std::int16_t>(choices_.size() - 1);
}

void TJobTakeoffSheet::Add(const TPricedLine &line) {
  const TBillItem &item = line.Bill;
  const int type = item.Item.Type;
  if (type < 0 || type >= kTypeCount)
    return;
  if (sections_.empty() || line.SectionLine != sectionLine_) {
    sections_.emplace_back(line.SectionTitle);
    sectionLine_ = line.SectionLine;
  }
  TRow row{item.Line,
           item.Code,
           item.Quantity,
           static_cast<std::uint32_t>(sections_.size() - 1),
           static_cast<std::uint32_t>(values_.size()),
           0,
           item.Erection,
           item.Brackets};
  // Each value goes into its row as the pricer put it there, and is read
  // back as the grid shows it.
  const auto t = static_cast<std::size_t>(type);
  TEntryRows &rows = itemRows_->Rows(type);
  std::string error;
  for (std::size_t i = 0; i < item.Item.Count; ++i) {
    const TItemAssignment &a = item.Item.Values[i];
    const auto p = static_cast<std::size_t>(a.Prop);
    if (a.Prop < 0 || !EnterItemValue(rows, a.Prop + 1, DuctTypes[t].Props[p], a.Value, error))
      continue;
    TValue value;
    value.Column = columnOf_[t][p];
    const Variant shown = ShownItemValue(rows, a.Prop + 1);
    if (shown.isText()) {
      value.Choice = ChoiceIndex(shown.text());
    } else {
      value.Number = shown.asDouble();
      value.Decimals = DecimalsOf(rows.Cells().Cell(1, a.Prop + 1));
    }
    used_[value.Column] = true;
    values_.push_back(value);
    ++row.Values;
  }
  rows_.push_back(row);
}

void TJobTakeoffSheet::Write(TXlsxBook &book, TXlsxSheet &sheet, lxw_format *bold) {
  // Above the header, where the import takes a row that names a detail
  // for that detail.
  for (const TDetailText &detail : details_) {
    sheet.Text(0, std::string(detail.Field), bold);
    sheet.Text(1, detail.Value);
    sheet.NextRow();
  }
  if (!details_.empty())
    sheet.NextRow();
  const std::vector<std::string_view> &props = CatalogueProps();
  // The sheet's column of each property column used.
  std::vector<int> at(props.size(), -1);
  int column = 0;
  for (const char *title : {"Section", "Item", "Number"})
    sheet.Text(column++, title, bold);
  for (std::size_t c = 0; c < props.size(); ++c)
    if (used_[c]) {
      at[c] = column;
      sheet.Text(column++, props[c], bold);
    }
  const int erection = column;
  for (const char *title : {"Erection", "Brackets", "Comment"})
    sheet.Text(column++, title, bold);
  sheet.NextRow();
  sheet.FreezeAbove();

  std::array<lxw_format *, 10> decimals{};
  const auto format = [&](std::uint8_t places) {
    lxw_format *&f = decimals.at(places);
    if (!f)
      f = book.AddFormat(false, places == 0 ? "0" : "0." + std::string(places, '0'));
    return f;
  };
  const auto include = [](bool yes) { return yes ? "Include" : "Exclude"; };
  std::string shown;
  for (const TRow &row : rows_) {
    sheet.Text(0, sections_[row.Section]);
    sheet.Text(1, BillCanonicalName(row.Code));
    sheet.Number(2, static_cast<double>(row.Quantity), nullptr, std::to_string(row.Quantity));
    for (std::uint32_t i = row.FirstValue; i < row.FirstValue + row.Values; ++i) {
      const TValue &v = values_[i];
      const int col = at[v.Column];
      if (v.Choice >= 0) {
        sheet.Text(col, choices_[static_cast<std::size_t>(v.Choice)]);
      } else {
        shown = FormatFixed(v.Number, v.Decimals);
        sheet.Number(col, v.Number, format(v.Decimals), shown);
      }
    }
    sheet.Text(erection, include(row.Erection));
    sheet.Text(erection + 1, include(row.Brackets));
    sheet.Text(erection + 2, "bill line " + std::to_string(row.Line));
    sheet.NextRow();
  }
}

} // namespace korvane
