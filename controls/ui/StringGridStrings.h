#pragma once
// One row or one column of a string grid seen as a list of texts: entry i is
// the cell in column i of the row (or row i of the column), and the count is
// the grid's column (or row) count. A view, not a copy: it reads and writes
// the grid's cells. Its length is the grid's, so inserting and deleting are
// refused.
#include <string>
#include <vector>

class QObject;

namespace korvane {

class TxStringGrid;

class TStringGridStrings {
public:
  TStringGridStrings(TxStringGrid &grid, bool isRow, int index);

  int Count() const;
  // An index outside the count raises "Grid index out of range".
  std::string Get(int i) const;
  void Put(int i, const std::string &text);
  QObject *GetObject(int i) const;
  void PutObject(int i, QObject *object);
  std::vector<std::string> Texts() const;

  // Writes entries 0 to min(list count, Count) - 1, text and object (none
  // when `objects` is shorter); cells beyond stay as they were.
  void Assign(const std::vector<std::string> &texts, const std::vector<QObject *> &objects = {});
  void Assign(const TStringGridStrings &source);
  // Writes `text` into the first empty cell; -1 (and nothing written) when
  // every cell holds a text.
  int Add(const std::string &text, QObject *object = nullptr);
  // Empties every cell of the row or column.
  void Clear();
  // Always raise "Cannot insert or delete rows from grid".
  void Insert(int index, const std::string &text);
  void Delete(int index);

private:
  void check(int i) const;
  int col(int i) const { return isRow_ ? i : index_; }
  int row(int i) const { return isRow_ ? index_ : i; }
  TxStringGrid *grid_;
  bool isRow_;
  int index_;
};

} // namespace korvane
