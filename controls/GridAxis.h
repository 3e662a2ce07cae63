#pragma once
// One axis of a grid, the columns or the rows: how many there are, how many
// are fixed, how large each is, and which scrolling index sits first on
// screen. Positions are in pixels from the leading edge of the client area;
// every cell is followed by its grid line.
#include <cstddef>
#include <vector>

namespace korvane {

class TGridAxis {
public:
  int Count() const { return static_cast<int>(sizes_.size()); }
  // New entries take the default size; the first scrolling index stays valid.
  void SetCount(int count);
  int Fixed() const { return fixed_; }
  void SetFixed(int fixed);

  int DefaultSize() const { return defaultSize_; }
  // Resets every size to the new default and forgets explicit sizes.
  void SetDefaultSize(int size);
  int Size(int index) const { return sizes_[static_cast<std::size_t>(index)]; }
  void SetSize(int index, int size);
  // Whether a size was ever set one by one (such sizes are worth storing).
  bool SizesExplicit() const { return explicit_; }
  const std::vector<int> &Sizes() const { return sizes_; }
  // Moves the size of `from` to `to`, shifting those between.
  void Move(int from, int to);

  // Widths of the lines after fixed and after scrolling cells.
  void SetLineWidths(int fixedLine, int line);
  int FixedLine() const { return fixedLine_; }
  int Line() const { return line_; }

  int First() const { return first_; }
  // Clamped to the scrolling indexes.
  void SetFirst(int first);

  // Pixels taken by the fixed cells and their lines.
  int FixedExtent() const;
  // Leading edge of `index`, or -1 when it is scrolled out of view.
  int Start(int index) const;
  // The index whose cell or trailing line covers `pos`; -1 past the last.
  int IndexAt(int pos) const;
  // The last index starting within `extent` pixels (at least First - 1).
  int LastVisible(int extent) const;
  // Scrolling indexes from First that fit whole within `extent`; at least 1
  // when there are scrolling indexes at all.
  int FullyVisibleCount(int extent) const;
  // The greatest First that still leaves no index off screen past the end.
  int MaxFirst(int extent) const;
  // The First nearest to the present one that shows `index` whole (or at
  // least starts it, when it is larger than the room).
  int FirstToShow(int index, int extent) const;
  // Total pixels of all cells and lines.
  int TotalExtent() const;

private:
  int step(int index) const;
  std::vector<int> sizes_;
  int fixed_ = 0;
  int defaultSize_ = 0;
  bool explicit_ = false;
  int fixedLine_ = 0;
  int line_ = 0;
  int first_ = 0;
};

} // namespace korvane
