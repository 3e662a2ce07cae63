#include "bill/model/ModelBill.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "bill/BillComment.h"
#include "bill/BillKeywords.h"
#include "bill/job/BillItemForms.h"
#include "bill/model/IfcEntities.h"

namespace korvane {

namespace {

// The GlobalIds one bill line names, at most: a line stays far below the
// longest a bill reader reads.
constexpr std::size_t kMaxIdsPerLine = 500;

struct TGroup {
  std::size_t First = 0; // the first element's place, for the order
  const TModelItem *Item = nullptr;
  std::vector<const TModelElement *> Elements;
};

class TWriter {
public:
  explicit TWriter(TModelBill &bill) : bill_(bill) {}
  void Line(std::string_view text) {
    bill_.Text += text;
    bill_.Text += '\n';
    ++lines_;
  }
  void Section(std::string_view title, std::span<const TModelElement> elements);
  int Lines() const { return lines_; }

private:
  void Group(const TGroup &group);

  TModelBill &bill_;
  int lines_ = 0;
  std::string entry_; // the keyword line the last item was written under
};

void TWriter::Group(const TGroup &g) {
  const TModelItem &item = *g.Item;
  const bool counted = BillItemForm(item.Code).HasQuantity;
  const std::string keyword(BillCanonicalName(item.Code));
  for (std::size_t at = 0; at < g.Elements.size(); at += kMaxIdsPerLine) {
    const std::size_t n = std::min(kMaxIdsPerLine, g.Elements.size() - at);
    // The number off of a straight length is an option of its entry.
    std::string entry = keyword;
    if (!counted && n > 1)
      entry += " (NumberOff=" + std::to_string(n) + ")";
    if (entry != entry_ || !counted) {
      Line(entry);
      entry_ = entry;
    }
    std::string line = "\t-\t" + item.Head;
    if (counted)
      line += "  " + std::to_string(n);
    if (!item.Tail.empty())
      line += "  " + item.Tail;
    line += "  ; ";
    const std::size_t ids = line.size();
    for (std::size_t i = at; i < at + n; ++i) {
      if (i > at)
        line += ", ";
      line += BillCommentText(g.Elements[i]->GlobalId);
    }
    bill_.Sources.push_back({lines_ + 1, bill_.Text.size() + ids, line.size() - ids});
    if (!item.Note.empty())
      line += " (" + item.Note + ")";
    Line(line);
    ++bill_.Lines;
  }
}

void TWriter::Section(std::string_view title, std::span<const TModelElement> elements) {
  Line("");
  Line("# " + BillCommentText(title));
  entry_.clear();
  // Identical items are one group, groups in the keyword's order and then
  // the model's.
  std::map<std::tuple<int, std::string_view, std::string_view, std::string_view>, TGroup> groups;
  for (std::size_t i = 0; i < elements.size(); ++i) {
    const TModelItem &item = elements[i].Item;
    if (!item.Priced())
      continue;
    TGroup &g = groups[{item.Code, item.Head, item.Tail, item.Note}];
    if (g.Item == nullptr) {
      g.First = i;
      g.Item = &item;
    }
    g.Elements.push_back(&elements[i]);
  }
  std::vector<const TGroup *> order;
  for (const auto &[key, g] : groups)
    order.push_back(&g);
  std::stable_sort(order.begin(), order.end(), [](const TGroup *a, const TGroup *b) {
    return std::make_pair(a->Item->Code, a->First) < std::make_pair(b->Item->Code, b->First);
  });
  for (const TGroup *g : order)
    Group(*g);
  for (const TModelElement &e : elements) {
    if (e.Item.Priced())
      continue;
    TModelNote note;
    note.Keyword = IfcEntityTitle(e.Entity);
    note.Text = BillCommentText(e.GlobalId) + " '" + BillCommentText(e.Name) +
                "': " + BillCommentText(e.Item.Reason);
    Line("; not priced: " + note.Keyword + " " + note.Text);
    note.BillLine = lines_;
    bill_.Notes.push_back(std::move(note));
  }
}

} // namespace

std::string_view TModelBill::Source(int line) const {
  const auto it = std::lower_bound(Sources.begin(), Sources.end(), line,
                                   [](const TSource &s, int l) { return s.Line < l; });
  if (it == Sources.end() || it->Line != line)
    return {};
  return std::string_view(Text).substr(it->At, it->Size);
}

TModelBill WriteModelBill(const TModelTakeoff &takeoff, std::string_view source) {
  TModelBill bill;
  TWriter w(bill);
  w.Line("; Ductwork of building model '" + BillCommentText(source) + "' (" + takeoff.Schema +
         ", lengths in " + BillCommentText(takeoff.Unit.Name) + ")");
  if (!takeoff.Project.empty())
    w.Line("; Project: " + BillCommentText(takeoff.Project));
  if (takeoff.Ignored > 0) {
    TModelNote note;
    note.NotPriced = false;
    note.Text = std::to_string(takeoff.Ignored) +
                (takeoff.Ignored == 1 ? " element is" : " elements are") +
                " neither a duct segment nor a duct fitting, and not in the bill";
    w.Line("; " + note.Text);
    note.BillLine = w.Lines();
    bill.Notes.push_back(std::move(note));
  }
  const std::span<const TModelElement> all = takeoff.Elements;
  std::size_t at = 0;
  while (at < all.size()) {
    std::size_t end = at;
    while (end < all.size() && all[end].Section == all[at].Section)
      ++end;
    const std::size_t section = all[at].Section;
    w.Section(section < takeoff.Sections.size() ? takeoff.Sections[section] : std::string(),
              all.subspan(at, end - at));
    at = end;
  }
  return bill;
}

} // namespace korvane
