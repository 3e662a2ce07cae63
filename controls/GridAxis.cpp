#include "controls/GridAxis.h"

#include <algorithm>

namespace korvane {

void TGridAxis::SetCount(int count) {
  sizes_.resize(static_cast<size_t>(std::max(count, 0)), defaultSize_);
  fixed_ = std::min(fixed_, Count());
  SetFirst(first_);
}

void TGridAxis::SetFixed(int fixed) {
  fixed_ = std::clamp(fixed, 0, Count());
  SetFirst(first_);
}

void TGridAxis::SetDefaultSize(int size) {
  defaultSize_ = std::max(size, 0);
  std::fill(sizes_.begin(), sizes_.end(), defaultSize_);
  explicit_ = false;
}

void TGridAxis::SetSize(int index, int size) {
  sizes_[static_cast<size_t>(index)] = std::max(size, 0);
  explicit_ = true;
}

void TGridAxis::Move(int from, int to) {
  if (from == to)
    return;
  auto f = sizes_.begin() + from;
  auto t = sizes_.begin() + to;
  if (from < to)
    std::rotate(f, f + 1, t + 1);
  else
    std::rotate(t, f, f + 1);
}

void TGridAxis::SetLineWidths(int fixedLine, int line) {
  fixedLine_ = std::max(fixedLine, 0);
  line_ = std::max(line, 0);
}

void TGridAxis::SetFirst(int first) {
  first_ = std::clamp(first, fixed_, std::max(fixed_, Count() - 1));
}

int TGridAxis::step(int index) const {
  return Size(index) + (index < fixed_ ? fixedLine_ : line_);
}

int TGridAxis::FixedExtent() const {
  int extent = 0;
  for (int i = 0; i < fixed_; ++i)
    extent += step(i);
  return extent;
}

int TGridAxis::Start(int index) const {
  if (index < 0 || index >= Count())
    return -1;
  if (index < fixed_) {
    int pos = 0;
    for (int i = 0; i < index; ++i)
      pos += step(i);
    return pos;
  }
  if (index < first_)
    return -1;
  int pos = FixedExtent();
  for (int i = first_; i < index; ++i)
    pos += step(i);
  return pos;
}

int TGridAxis::IndexAt(int pos) const {
  if (pos < 0)
    return -1;
  int edge = 0;
  for (int i = 0; i < fixed_; ++i) {
    edge += step(i);
    if (pos < edge)
      return i;
  }
  for (int i = first_; i < Count(); ++i) {
    edge += step(i);
    if (pos < edge)
      return i;
  }
  return -1;
}

int TGridAxis::LastVisible(int extent) const {
  int pos = FixedExtent();
  int last = first_ - 1;
  for (int i = first_; i < Count() && pos < extent; ++i) {
    last = i;
    pos += step(i);
  }
  return last;
}

int TGridAxis::FullyVisibleCount(int extent) const {
  if (fixed_ >= Count())
    return 0;
  int pos = FixedExtent();
  int n = 0;
  for (int i = first_; i < Count(); ++i) {
    pos += Size(i);
    if (pos > extent)
      break;
    pos += line_;
    ++n;
  }
  return std::max(n, 1);
}

int TGridAxis::MaxFirst(int extent) const {
  if (fixed_ >= Count())
    return fixed_;
  int room = extent - FixedExtent();
  int first = Count() - 1;
  int used = Size(first);
  while (first > fixed_ && used + line_ + Size(first - 1) <= room) {
    --first;
    used += line_ + Size(first);
  }
  return first;
}

int TGridAxis::FirstToShow(int index, int extent) const {
  if (index < fixed_ || index >= Count())
    return first_;
  if (index < first_)
    return index;
  const int room = extent - FixedExtent();
  int span = 0;
  for (int i = first_; i <= index; ++i)
    span += Size(i) + (i < index ? line_ : 0);
  int first = first_;
  while (first < index && span > room) {
    span -= Size(first) + line_;
    ++first;
  }
  return first;
}

int TGridAxis::TotalExtent() const {
  int total = 0;
  for (int i = 0; i < Count(); ++i)
    total += step(i);
  return total;
}

} // namespace korvane
