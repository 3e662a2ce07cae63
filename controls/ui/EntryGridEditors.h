#pragma once
// The row editor controls of the entry grid: the small glyph buttons (property
// editor, pull-down, spin up and down) and the pull-down list of an
// enumeration row. They only draw and report; the grid decides what a click
// does to its rows.
#include <QAbstractButton>
#include <QListWidget>

#include <functional>

namespace korvane {

enum class TRowGlyph {
  PropEditor, // "PROPEDPIC": three dots
  PullDown,   // "PULLDNPIC": a downward triangle
  SpinUp,     // "SPINUPPIC": an upward triangle
  SpinDown,   // "SPINDNPIC": a downward triangle
};

// A push button without caption and without tab stop that shows one glyph.
class TRowEditorButton : public QAbstractButton {
  Q_OBJECT
public:
  TRowEditorButton(TRowGlyph glyph, QWidget *parent);
  TRowGlyph Glyph() const { return glyph_; }
  QSize sizeHint() const override { return {16, 16}; }

protected:
  void paintEvent(QPaintEvent *e) override;

private:
  TRowGlyph glyph_;
};

// The pop-up list of an enumeration row. Every key released in it commits
// the selected item, so arrowing through the list stores each item at once;
// Enter and Escape close it; a click commits the item under the pointer and
// closes it.
class TMyListBox : public QListWidget {
  Q_OBJECT
public:
  explicit TMyListBox(QWidget *owner);

  // The item index the user moved to or clicked.
  std::function<void(int index)> OnCommit;
  // The list closed on its own: the grid takes the focus back.
  std::function<void()> OnClosed;
  // The pointer moved outside the list (screen coordinates) while it is open.
  std::function<void(const QPoint &global)> OnPointerOutside;

  // Height of each item, and of the list in whole items.
  int ItemHeight() const { return itemHeight_; }
  void SetItemHeight(int height);
  // The frame's thickness on each side.
  int FrameWidth() const { return frameWidth(); }

protected:
  void keyPressEvent(QKeyEvent *e) override;
  void keyReleaseEvent(QKeyEvent *e) override;
  void mousePressEvent(QMouseEvent *e) override;
  bool event(QEvent *e) override;
  void hideEvent(QHideEvent *e) override;

private:
  void commitCurrent();
  int itemHeight_ = 16;
};

} // namespace korvane
