#include "bill/takeoff/TakeoffBill.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "app/Catalogue.h"
#include "app/ItemRowSet.h"
#include "app/ItemValueEntry.h"
#include "base/AsciiText.h"
#include "base/NumberText.h"
#include "bill/BillComment.h"
#include "bill/BillKeywords.h"
#include "bill/job/BillItemForms.h"
#include "bill/job/BillOptions.h"
#include "controls/Fields.h"

namespace korvane {

namespace {

// Past this many rows in error the file is not read as a take-off at all.
constexpr std::size_t kMaxBadRows = 10000;
// A value longer than this is no size or choice; a comment or section is cut.
constexpr std::size_t kMaxValueBytes = 256;

// What a row's text becomes inside a comment line: one line, cut short.
std::string OneLine(std::string_view text) {
  return BillCommentText(text, kMaxValueBytes);
}

std::string Quoted(std::string_view text) {
  std::string quoted = "'";
  quoted += OneLine(text);
  quoted += '\'';
  return quoted;
}

// The shortest plain decimal that reads back as `x`, as a person types it.
std::string PlainNumber(double x) {
  std::array<char, 64> buf;
  const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), x, std::chars_format::fixed);
  return res.ec == std::errc() ? std::string(buf.data(), res.ptr) : FormatGeneral(x);
}

// "MEZZ35" -> "Mezz35", as bills are typed.
std::string WordCase(std::string_view upper) {
  std::string word;
  for (const char c : upper)
    word += word.empty() ? c : AsciiLower(c);
  return word;
}

// Include, Exclude, Yes or No, any case; empty for anything else.
std::string_view IncludeWord(std::string_view text) {
  if (EqualsNoCase(text, "include") || EqualsNoCase(text, "yes"))
    return "Include";
  if (EqualsNoCase(text, "exclude") || EqualsNoCase(text, "no"))
    return "Exclude";
  return {};
}

// Thrown nowhere: a row's first fault, with the column it is in.
struct TFault {
  std::string Column;
  std::string Text;
};

} // namespace

std::string TTakeoffNote::Said() const {
  std::string said;
  if (Row > 0)
    said = "row " + std::to_string(Row);
  if (!Column.empty())
    said += (said.empty() ? "" : ", ") + Column;
  return said.empty() ? Text : said + ": " + Text;
}

struct TTakeoffBill::TRowValues {
  std::vector<std::string_view> Text; // by index into columns_
};

TTakeoffBill::TTakeoffBill(std::string_view source) {
  Line("; Bill made from the take-off " + OneLine(source));
}

TTakeoffBill::~TTakeoffBill() = default;

void TTakeoffBill::Line(std::string_view text) {
  text_ += text;
  text_ += '\n';
  ++lines_;
}

int TTakeoffBill::ColumnOf(TTakeoffField field, std::string_view key) const {
  for (std::size_t i = 0; i < columns_.size(); ++i)
    if (columns_[i].What.Field == field && columns_[i].What.Key == key)
      return static_cast<int>(i);
  return -1;
}

int TTakeoffBill::PropertyColumn(std::string_view prop) const {
  std::string key = TakeoffNameKey(prop);
  int slot = ColumnOf(TTakeoffField::Property, key);
  if (slot < 0 && key.ends_with('1')) {
    key.pop_back();
    slot = ColumnOf(TTakeoffField::Property, key);
  }
  return slot;
}

void TTakeoffBill::Bad(int sheetRow, std::string_view column, std::string text) {
  TTakeoffNote note{sheetRow, OneLine(column), std::move(text), 0, true};
  Line("; take-off " + OneLine(note.Said()));
  note.BillLine = lines_;
  notes_.push_back(std::move(note));
}

void TTakeoffBill::Detail(int sheetRow, std::span<const TTakeoffCell> cells) {
  // A title row above the header that names a detail of the job: in one
  // cell ("Discount: 5%"), or the name in one and the value in the next.
  std::vector<std::string_view> texts;
  for (const TTakeoffCell &cell : cells)
    if (const std::string_view text = TrimBlanks(cell.Text); !text.empty() && texts.size() < 2)
      texts.push_back(text);
  if (texts.empty())
    return;
  std::string line = "; " + OneLine(texts[0]);
  if (texts.size() == 2) {
    if (line.back() == ':')
      line.pop_back();
    line += ": " + OneLine(texts[1]);
  }
  const std::optional<TDetailText> detail = SplitJobDetailLine(line);
  if (!detail || detail->Value.empty())
    return;
  details_.emplace_back(sheetRow, "; " + std::string(detail->Field) + ": " + detail->Value);
}

void TTakeoffBill::NextSheet() {
  if (columns_.empty())
    details_.clear();
}

void TTakeoffBill::WriteDetails() {
  TJobDetails read;
  std::string reason;
  for (const auto &[sheetRow, line] : details_) {
    if (ReadJobDetailLine(line, read, reason) == TDetailLine::Read)
      Line(line);
    else
      Bad(sheetRow, SplitJobDetailLine(line)->Field, reason);
  }
  details_.clear();
}

void TTakeoffBill::Header(int sheetRow, std::span<const TTakeoffCell> cells) {
  std::string unread;
  int last = 0;
  for (const TTakeoffCell &cell : cells) {
    const std::string_view name = TrimBlanks(cell.Text);
    TTakeoffColumnName what = FindTakeoffColumn(name);
    if (what.Field != TTakeoffField::None && ColumnOf(what.Field, what.Key) >= 0) {
      notes_.push_back({sheetRow, OneLine(name),
                        "a column of that name comes before; this one is "
                        "not read",
                        0, false});
      continue;
    }
    if (what.Field == TTakeoffField::None) {
      unread += (unread.empty() ? "" : ", ") + OneLine(name);
      continue;
    }
    columns_.push_back({cell.Col, OneLine(name), std::move(what)});
    last = cell.Col;
  }
  slotOfCol_.assign(static_cast<std::size_t>(last) + 1, -1);
  for (std::size_t i = 0; i < columns_.size(); ++i)
    slotOfCol_[static_cast<std::size_t>(columns_[i].Col)] = static_cast<int>(i);
  if (!unread.empty()) {
    notes_.push_back({sheetRow, {}, "columns not read: " + unread, 0, false});
    Line("; columns of the take-off not read: " + unread);
  }
  for (int type = 0; type < kTypeCount; ++type) {
    const auto t = static_cast<std::size_t>(type);
    for (int prop = 0; prop < DuctTypes[t].PropCount(); ++prop) {
      const auto p = static_cast<std::size_t>(prop);
      keys_[t][p] = TakeoffNameKey(DuctTypes[t].Props[p]);
      slots_[t][p] = PropertyColumn(keys_[t][p]);
    }
  }
  TCatalogue catalogue;
  BuildCatalogue(catalogue);
  rows_ = std::make_unique<TItemRowSet>(catalogue, sink_);
}

void TTakeoffBill::Row(int sheetRow, std::span<const TTakeoffCell> cells) {
  if (notes_.size() > kMaxBadRows)
    return;
  if (columns_.empty()) {
    if (IsTakeoffHeader(cells)) {
      WriteDetails();
      Header(sheetRow, cells);
    } else
      Detail(sheetRow, cells);
    return;
  }
  TRowValues row;
  row.Text.resize(columns_.size());
  bool any = false;
  for (const TTakeoffCell &cell : cells) {
    const std::size_t col = static_cast<std::size_t>(cell.Col);
    if (col < slotOfCol_.size() && slotOfCol_[col] >= 0) {
      row.Text[static_cast<std::size_t>(slotOfCol_[col])] = TrimBlanks(cell.Text);
      any = any || !TrimBlanks(cell.Text).empty();
    }
  }
  if (!any)
    return;
  const int sectionSlot = ColumnOf(TTakeoffField::Section);
  if (sectionSlot >= 0) {
    const std::string title = OneLine(row.Text[static_cast<std::size_t>(sectionSlot)]);
    if (!title.empty() && title != section_) {
      Line("# " + title);
      section_ = title;
      lastEntry_.clear();
    }
  }
  Item(sheetRow, row);
}

// One item row: its keyword line (unless the row before wrote the same) and
// its numbers line; or, at its first fault, the comment saying what it is.
void TTakeoffBill::Item(int sheetRow, TRowValues &row) {
  const auto text = [&row](int slot) {
    return slot < 0 ? std::string_view() : row.Text[static_cast<std::size_t>(slot)];
  };
  const auto name = [this](int slot) { return columns_[static_cast<std::size_t>(slot)].Name; };
  const int itemSlot = ColumnOf(TTakeoffField::Item);
  const int commentSlot = ColumnOf(TTakeoffField::Comment);
  const std::string comment = OneLine(text(commentSlot));
  std::vector<bool> used(columns_.size());
  for (const int slot : {itemSlot, commentSlot, ColumnOf(TTakeoffField::Section)})
    if (slot >= 0)
      used[static_cast<std::size_t>(slot)] = true;
  if (text(itemSlot).empty()) {
    for (std::size_t i = 0; i < used.size(); ++i)
      if (!used[i] && !row.Text[i].empty())
        return Bad(sheetRow, name(itemSlot),
                   "no item type, but " + name(static_cast<int>(i)) + " " + Quoted(row.Text[i]));
    if (!comment.empty())
      Line("; " + comment);
    return;
  }
  for (std::size_t i = 0; i < used.size(); ++i)
    if (i != static_cast<std::size_t>(commentSlot) && row.Text[i].size() > kMaxValueBytes)
      return Bad(sheetRow, name(static_cast<int>(i)),
                 "more than " + std::to_string(kMaxValueBytes) + " characters");
  int code = TakeoffItemCode(text(itemSlot));
  if (code == 0)
    return Bad(sheetRow, name(itemSlot),
               Quoted(text(itemSlot)) + " is no item type of the bill language");

  // The number off: on the numbers line, or NumberOff for items counted in
  // their options.
  const int qtySlot = ColumnOf(TTakeoffField::Quantity);
  long quantity = 1;
  if (!text(qtySlot).empty()) {
    used[static_cast<std::size_t>(qtySlot)] = true;
    if (!ReadNumberOff(text(qtySlot), quantity))
      return Bad(sheetRow, name(qtySlot),
                 Quoted(text(qtySlot)) + " is not a whole number from 1 to " +
                     std::to_string(kMaxNumberOff));
  }
  const TBillItemForm *form = &BillItemForm(code);
  if (form->Type < 0) {
    // Written as typed; the job lists its line as not priced.
    notes_.push_back(
        {sheetRow,
         {},
         std::string(BillCanonicalName(code)) + " is not priced: " + std::string(form->Reason),
         0,
         false});
    Line(std::string(BillCanonicalName(code)));
    Line("\t-\t" + std::to_string(quantity) + (comment.empty() ? "" : "\t; " + comment));
    lastEntry_.clear();
    return;
  }

  const int type = form->Type;
  const TDuctTypeRec &rec = DuctTypes[static_cast<std::size_t>(type)];
  TEntryRows &rows = rows_->Rows(type);
  std::string options;
  const auto option = [&options](std::string_view o) {
    options += options.empty() ? "" : ", ";
    options += o;
  };
  for (const TTakeoffField field : {TTakeoffField::Erection, TTakeoffField::Brackets}) {
    const int slot = ColumnOf(field);
    if (text(slot).empty())
      continue;
    used[static_cast<std::size_t>(slot)] = true;
    const std::string_view word = IncludeWord(text(slot));
    if (word.empty())
      return Bad(sheetRow, name(slot),
                 "takes Include or Exclude (or Yes or No), not " + Quoted(text(slot)));
    option((field == TTakeoffField::Erection ? "Erection=" : "Brackets=") + std::string(word));
  }

  // A property's value entered into its row, as the pricer will: the row's
  // own range check and items. The value as the grid writes it.
  std::string why;
  std::string value;
  const auto enter = [&](int prop, int slot) {
    const int r = prop + 1;
    if (!EnterItemValue(rows, r, rec.Props[static_cast<std::size_t>(prop)], text(slot), why))
      return false;
    used[static_cast<std::size_t>(slot)] = true;
    const Variant shown = ShownItemValue(rows, r);
    value = shown.isText() ? shown.text() : PlainNumber(shown.asDouble());
    return true;
  };

  bool vanes = form->Vanes;
  bool plate = form->Plate;
  for (int prop = 0; prop < rec.PropCount(); ++prop) {
    const std::string &key = keys_[static_cast<std::size_t>(type)][static_cast<std::size_t>(prop)];
    if (IsTakeoffSizeKey(key))
      continue;
    const int slot = slots_[static_cast<std::size_t>(type)][static_cast<std::size_t>(prop)];
    if (text(slot).empty())
      continue; // the bill's default
    if (!enter(prop, slot))
      return Bad(sheetRow, name(slot), why);
    const bool yes = value == "Yes";
    if (key == "vanes" || key == "plate") {
      bool &flag = key == "vanes" ? vanes : plate;
      if (flag && !yes)
        return Bad(sheetRow, name(slot), "No, but the item is " + OneLine(text(itemSlot)));
      flag = yes;
      if (BillItemCode(type, vanes, plate) == 0)
        return Bad(sheetRow, name(slot),
                   "the bill language has no keyword for a " + std::string(rec.Name) + " with " +
                       key + ": it cannot be written in a bill");
    } else if (key == "reinforcing") {
      if (yes)
        option("Reinforcing=Include");
    } else if (key == "gauge") {
      if (value != GaugeItemText(0))
        option("Gauge=" + value);
    } else if (key == "flange") {
      for (int item = 1; !FlangeWord(item).empty(); ++item)
        if (FlangeItemText(item) == value)
          option(WordCase(FlangeWord(item)));
    } else if (key == "insulation") {
      for (const TInsulationKind kind : {ikInternal, ikExternal})
        for (const int mm : {25, 50})
          if (InsulationItemText(kind, mm) == value)
            option(std::string(kind == ikInternal ? "Insulation=Internal" : "Insulation=External") +
                   ", InsThickness=" + std::to_string(mm) + "mm");
    }
  }
  code = BillItemCode(type, vanes, plate);
  if (!form->HasQuantity && !text(qtySlot).empty())
    option("NumberOff=" + std::to_string(quantity));

  const std::span<const TBillSlotSpec> slots = BillItemForm(code).Numbers();
  std::array<std::string, 6> numbers;
  for (std::size_t i = 0; i < slots.size(); ++i) {
    const int prop = slots[i].Prop;
    switch (slots[i].Kind) {
    case TBillSlot::Row:
    case TBillSlot::Radius: {
      const std::string_view propName = rec.Props[static_cast<std::size_t>(prop)];
      const int slot = slots_[static_cast<std::size_t>(type)][static_cast<std::size_t>(prop)];
      if (text(slot).empty())
        return Bad(sheetRow, slot < 0 ? std::string(propName) : name(slot),
                   "missing: " + std::string(rec.Key) + " takes " +
                       std::string(BillNumbersHint(type)));
      if (!enter(prop, slot))
        return Bad(sheetRow, name(slot), why);
      numbers[i] = value;
      if (slots[i].Kind == TBillSlot::Radius) {
        // Written in mm, as Copy does; the bill reads the first radius of
        // that size back, which must be the one chosen.
        double d = 0;
        ReadNumber(numbers[0], d);
        d = std::nearbyint(d);
        const std::array<double, 4> radii{d, 1.5 * d, 2 * d, 150};
        const auto chosen = static_cast<std::size_t>(rows.GetData(1, prop + 1).toInt());
        const auto first = static_cast<std::size_t>(
            std::find(radii.begin(), radii.end(), radii.at(chosen)) - radii.begin());
        if (first != chosen)
          return Bad(
              sheetRow, name(slot),
              value + " of a " + PlainNumber(d) + " mm elbow is " + PlainNumber(radii[chosen]) +
                  " mm, which a bill (radii in mm) reads as " +
                  rows.Field(prop + 1)->TextOf(static_cast<std::int32_t>(first)).value_or(""));
        numbers[i] = PlainNumber(radii[chosen]);
      }
      break;
    }
    case TBillSlot::Quantity:
      numbers[i] = std::to_string(quantity);
      break;
    case TBillSlot::SameAs:
      numbers[i] = numbers[static_cast<std::size_t>(prop)];
      break;
    case TBillSlot::Angle90:
      numbers[i] = "90";
      break;
    }
  }
  for (std::size_t i = 0; i < used.size(); ++i)
    if (!used[i] && !row.Text[i].empty())
      return Bad(sheetRow, name(static_cast<int>(i)),
                 std::string(rec.Name) + " has no " + name(static_cast<int>(i)));

  std::string entry(BillCanonicalName(code));
  if (!options.empty())
    entry += " (" + options + ")";
  if (entry != lastEntry_) {
    Line(entry);
    lastEntry_ = std::move(entry);
  }
  scratch_ = "\t-\t";
  for (std::size_t i = 0; i < slots.size(); ++i)
    scratch_ += (i == 0 ? "" : "  ") + numbers[i];
  if (!comment.empty())
    scratch_ += "\t; " + comment;
  Line(scratch_);
  ++items_;
}

std::size_t TTakeoffBill::BadRows() const {
  return static_cast<std::size_t>(
      std::count_if(notes_.begin(), notes_.end(), [](const TTakeoffNote &n) { return n.Bad; }));
}

bool TTakeoffBill::Finish(std::string &error) {
  if (notes_.size() > kMaxBadRows) {
    error = "more than " + std::to_string(kMaxBadRows) + " rows are in error: is it a take-off?";
    return false;
  }
  if (columns_.empty()) {
    error = "no row names an Item (or Type) column and a size column such as Width or "
            "Diameter: no header row";
    return false;
  }
  return true;
}

} // namespace korvane
