#pragma once
// The property grid: a three-column string grid (caption, value, units) whose
// rows are described by row texts. The row model (TEntryRows) holds the
// rules of every row over the grid's own cell store; this widget adds the
// editing: the in-place editor set up for the row, the property-editor,
// pull-down and spin buttons, the check box, the pull-down list, cycling an
// enumeration with Left, Right or a double click, and the value column drawn
// in its own colour.
//
//   TEntryGrid grid(sink, page);
//   grid.SetLines({"Property; Value", "Width; %0.0f; mm; NPE; 100; 2400"});
//   grid.SetData(1, 1, 600.0);
//   grid.OnDoSetData = [](QObject *, int ACol, int ARow) { ... };
//
// OnDoSetData (inherited) fires after the user commits a value, and only
// then: an ended in-place edit, a spin click, a key or click in the list, a
// cycled enumeration, a check box click or a property editor returning mrOk.
#include <QColor>
#include <QPointer>
#include <string>
#include <vector>

#include "base/MessageSink.h"
#include "base/Variant.h"
#include "controls/EntryRows.h"
#include "controls/ui/StringGrid.h"

class QCheckBox;

namespace korvane {

class TRowEditorButton;
class TMyListBox;

class TEntryGrid : public TxStringGrid {
  Q_OBJECT
public:
  // `messages` tells the row model's errors; it must outlive the grid.
  explicit TEntryGrid(TMessageSink &messages, QWidget *parent = nullptr);
  ~TEntryGrid() override;

  TEntryRows &Rows() { return rows_; }
  const TEntryRows &Rows() const { return rows_; }

  const std::vector<std::string> &Lines() const { return rows_.Lines(); }
  // Rebuilds every row; an open edit is dropped, the row editors follow the
  // current cell of the new rows. Fires no OnDoSetData.
  void SetLines(std::vector<std::string> lines);
  char Delim() const { return rows_.Delim(); }
  void SetDelim(char delim) { rows_.SetDelim(delim); }

  Variant GetData(int ACol, int ARow) const { return rows_.GetData(ACol, ARow); }
  void SetData(int ACol, int ARow, const Variant &value) { rows_.SetData(ACol, ARow, value); }
  void SetPropertyEditor(int ARow, TPropertyEditEvent handler);

  QColor ColorEditCol() const { return colorEditCol_; }
  void SetColorEditCol(const QColor &color);
  QColor ColorEditMode() const { return colorEditMode_; }
  void SetColorEditMode(const QColor &color) { colorEditMode_ = color; }
  QColor ColorEditModeText() const { return colorEditModeText_; }
  void SetColorEditModeText(const QColor &color) { colorEditModeText_ = color; }

  // The row editor controls, created with the grid and hidden while unused.
  TRowEditorButton *PropEditorButton() const { return propButton_; }
  TRowEditorButton *PullDownButton() const { return pullButton_; }
  TRowEditorButton *SpinUpButton() const { return spinUp_; }
  TRowEditorButton *SpinDownButton() const { return spinDown_; }
  QCheckBox *CheckBox() const { return checkBox_; }
  TMyListBox *ListBox();

  // The pull-down list of the current row: opens it when closed, closes it
  // when open (a release on the pull-down button does this).
  void TogglePullDown();

protected:
  bool SelectCell(int col, int row) override;
  bool CanEditShow() override;
  void SetupEditor(int col, int row) override;
  void DoSetData(int col, int row) override;
  void DrawCell(QPainter &painter, int col, int row, const QRect &rect,
                TGridDrawState state) override;
  void TopLeftChanged() override;
  void ColWidthsChanged() override;
  void RowHeightsChanged() override;
  void GridEntered() override;

  void keyPressEvent(QKeyEvent *e) override;
  void mouseDoubleClickEvent(QMouseEvent *e) override;
  void resizeEvent(QResizeEvent *e) override;

private:
  void hideRowEditors();
  void showRowEditors(int row);
  void placeRowEditors();
  void rowsRebuilt();
  bool isEnumRow(int row) const;
  void openList();
  void closeList();
  void takeFocusBack();
  void pointerMovedWithListOpen(const QPoint &global);
  // The pull-down button and the current row's value cell: a click there
  // closes the list on its release, as the button opened it.
  bool isListsOwnPlace(const QPoint &global) const;
  int borderInset() const;

  TEntryRows rows_;
  QColor colorEditCol_;
  QColor colorEditMode_;
  QColor colorEditModeText_;

  // The row the editor controls belong to, and what they act on there.
  int controlsRow_ = -1;
  std::string currentFormat_ = "%S";
  TFormatType currentFormatType_ = TFormatType::ft_Fixed;
  double rangeLo_ = 0;
  double rangeHi_ = 0;

  TRowEditorButton *propButton_ = nullptr;
  TRowEditorButton *pullButton_ = nullptr;
  TRowEditorButton *spinUp_ = nullptr;
  TRowEditorButton *spinDown_ = nullptr;
  QCheckBox *checkBox_ = nullptr;
  TMyListBox *list_ = nullptr; // a pop-up window owned by the grid
  bool settingCheck_ = false;
};

} // namespace korvane
