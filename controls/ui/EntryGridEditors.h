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
// closes it. While it is open it sees every click of the application: a
// click on its own place (OnOwnPlace: the pull-down button, the row's value
// cell) closes it on the release; a click anywhere else closes it at once
// and goes on to what it was meant for (another cell, a tab, a button). It
// also closes whenever it loses the focus.
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
  // Whether a point outside the list (screen coordinates) belongs to it: a
  // press there waits for its release to close the list.
  std::function<bool(const QPoint &global)> OnOwnPlace;

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
  void focusOutEvent(QFocusEvent *e) override;

private:
  void commitCurrent();
  bool pressOutside(const QMouseEvent &press);
  int itemHeight_ = 16;
};

} // namespace korvane
