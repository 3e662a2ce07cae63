#include "controls/ui/StringGridStrings.h"

#include <algorithm>

#include "controls/ui/InvalidGridOperation.h"
#include "controls/ui/StringGrid.h"

namespace korvane {

TStringGridStrings::TStringGridStrings(TxStringGrid &grid, bool isRow, int index)
    : grid_(&grid), isRow_(isRow), index_(index) {}

int TStringGridStrings::Count() const {
  return isRow_ ? grid_->ColCount() : grid_->RowCount();
}

void TStringGridStrings::check(int i) const {
  if (i < 0 || i >= Count())
    throw EInvalidGridOperation(GridMsg::IndexOutOfRange);
}

std::string TStringGridStrings::Get(int i) const {
  check(i);
  return grid_->Cells(col(i), row(i));
}

void TStringGridStrings::Put(int i, const std::string &text) {
  check(i);
  grid_->SetCells(col(i), row(i), text);
}

QObject *TStringGridStrings::GetObject(int i) const {
  check(i);
  return grid_->Objects(col(i), row(i));
}

void TStringGridStrings::PutObject(int i, QObject *object) {
  check(i);
  grid_->SetObjects(col(i), row(i), object);
}

std::vector<std::string> TStringGridStrings::Texts() const {
  std::vector<std::string> texts;
  for (int i = 0; i < Count(); ++i)
    texts.push_back(Get(i));
  return texts;
}

void TStringGridStrings::Assign(const std::vector<std::string> &texts,
                                const std::vector<QObject *> &objects) {
  const int n = std::min(static_cast<int>(texts.size()), Count());
  for (int i = 0; i < n; ++i) {
    const auto k = static_cast<size_t>(i);
    Put(i, texts[k]);
    PutObject(i, k < objects.size() ? objects[k] : nullptr);
  }
}

void TStringGridStrings::Assign(const TStringGridStrings &source) {
  std::vector<QObject *> objects;
  for (int i = 0; i < source.Count(); ++i)
    objects.push_back(source.GetObject(i));
  Assign(source.Texts(), objects);
}

int TStringGridStrings::Add(const std::string &text, QObject *object) {
  for (int i = 0; i < Count(); ++i) {
    if (Get(i).empty()) {
      Put(i, text);
      PutObject(i, object);
      return i;
    }
  }
  return -1;
}

void TStringGridStrings::Clear() {
  for (int i = 0; i < Count(); ++i) {
    Put(i, std::string());
    PutObject(i, nullptr);
  }
}

void TStringGridStrings::Insert(int, const std::string &) {
  throw EInvalidGridOperation(GridMsg::CannotInsertDelete);
}

void TStringGridStrings::Delete(int) {
  throw EInvalidGridOperation(GridMsg::CannotInsertDelete);
}

} // namespace korvane
