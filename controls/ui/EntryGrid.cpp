#include "controls/ui/EntryGrid.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <exception>

#include "controls/Fields.h"
#include "controls/RowCommands.h"
#include "controls/ui/EntryGridEditors.h"
#include "controls/ui/InplaceEdit.h"

namespace korvane {

namespace {

// Half the row height, halves to even, for the two stacked spin buttons.
int HalfHeight(int side) {
  return static_cast<int>(std::nearbyint(side / 2.0));
}

} // namespace

TEntryGrid::TEntryGrid(TMessageSink &messages, QWidget *parent)
    : TxStringGrid(parent), rows_(CellStore(), messages) {
  rows_.OnDoSetData = [this](int c, int r) {
    if (OnDoSetData)
      OnDoSetData(this, c, r);
  };
  rows_.OnCellWritten = [this](int c, int r) {
    CellTextChanged(c, r);
    if (c == 1 && r == controlsRow_ && checkBox_->isVisible())
      checkBox_->setChecked(rows_.GetData(1, r).toBool());
  };
  rows_.OnRowsRebuilt = [this] { rowsRebuilt(); };

  colorEditCol_ = Color();
  colorEditMode_ = Color();
  colorEditModeText_ = FontColor();

  QWidget *host = viewport();
  propButton_ = new TRowEditorButton(TRowGlyph::PropEditor, host);
  pullButton_ = new TRowEditorButton(TRowGlyph::PullDown, host);
  spinUp_ = new TRowEditorButton(TRowGlyph::SpinUp, host);
  spinDown_ = new TRowEditorButton(TRowGlyph::SpinDown, host);
  // One click, one step: a held button does not repeat, so a slow click
  // never runs past the value the user wanted.
  checkBox_ = new QCheckBox(host);
  checkBox_->setFocusPolicy(Qt::NoFocus);
  checkBox_->hide();

  connect(propButton_, &QAbstractButton::clicked, this, [this] {
    const int result = EditProperty(rows_, Row());
    if (result == mrOk || result == mrCancel)
      setFocus(Qt::OtherFocusReason);
  });
  connect(pullButton_, &QAbstractButton::clicked, this, &TEntryGrid::TogglePullDown);
  connect(spinUp_, &QAbstractButton::clicked, this,
          [this] { SpinRow(rows_, Row(), TSpinDirection::Up); });
  connect(spinDown_, &QAbstractButton::clicked, this,
          [this] { SpinRow(rows_, Row(), TSpinDirection::Down); });
  connect(checkBox_, &QCheckBox::clicked, this, [this](bool checked) {
    rows_.SetData(1, Row(), Variant(checked));
    rows_.DoSetData(1, Row());
  });
  // The row model has already sized the shared store; the grid follows it,
  // then takes its own defaults.
  SyncSizeFromStore();
  SetColCount(3);
  SetRowCount(4);
  SetFixedCols(0);
  SetFixedRows(1);
  SetDefaultColWidth(60);
  SetDefaultRowHeight(16);
  SetColWidths(0, 90);
  SetColWidths(1, 60);
  SetColWidths(2, 50);
  SetOptions(xgoFixedVertLine | xgoFixedHorzLine | xgoVertLine | xgoHorzLine | xgoRangeSelect |
             xgoColSizing | xgoEditing);
  SetScrollBars(TScrollStyle::ssNone);
  SetAlwaysShowCell(false);
  SetDefaultColFormatStr("%S");
  resize(206, 72);
  FocusCell(1, 1);
}

TEntryGrid::~TEntryGrid() {
  if (!list_)
    return;
  // The list is a pop-up window: no hide notifications while dying.
  list_->OnClosed = nullptr;
  list_->OnCommit = nullptr;
  list_->OnOwnPlace = nullptr;
  list_->OnPointerOutside = nullptr;
}

TMyListBox *TEntryGrid::ListBox() {
  // Made when first pulled down: a window that is never shown in the first
  // frame is not built before it.
  if (!list_) {
    list_ = new TMyListBox(this);
    list_->OnCommit = [this](int index) {
      rows_.SetData(1, Row(), Variant(static_cast<std::int32_t>(index)));
      rows_.DoSetData(1, Row());
    };
    list_->OnClosed = [this] { takeFocusBack(); };
    list_->OnPointerOutside = [this](const QPoint &global) { pointerMovedWithListOpen(global); };
    list_->OnOwnPlace = [this](const QPoint &global) { return isListsOwnPlace(global); };
  }
  return list_;
}

void TEntryGrid::SetLines(std::vector<std::string> lines) {
  rows_.SetLines(std::move(lines));
}

void TEntryGrid::SetPropertyEditor(int ARow, TPropertyEditEvent handler) {
  rows_.SetPropertyEditor(ARow, std::move(handler));
  if (ARow == Row() && Col() == 1)
    showRowEditors(ARow);
}

void TEntryGrid::SetColorEditCol(const QColor &color) {
  colorEditCol_ = color;
  InvalidateGrid();
}

void TEntryGrid::rowsRebuilt() {
  closeList();
  CancelEditor();
  hideRowEditors();
  SyncSizeFromStore();
  if (RowCount() > 1 && FixedRows() == 0)
    SetFixedRows(1);
  // The current cell stays where it was (clamped); its row may be of
  // another kind now.
  if (Col() == 1 && IsScrollingCell(Col(), Row()))
    showRowEditors(Row());
}

bool TEntryGrid::isEnumRow(int row) const {
  return dynamic_cast<const TEnumField *>(rows_.Field(row)) != nullptr;
}

// ---- the row editor controls ----------------------------------------------

void TEntryGrid::hideRowEditors() {
  controlsRow_ = -1;
  for (QWidget *w : {static_cast<QWidget *>(propButton_), static_cast<QWidget *>(pullButton_),
                     static_cast<QWidget *>(spinUp_), static_cast<QWidget *>(spinDown_),
                     static_cast<QWidget *>(checkBox_)})
    w->hide();
}

void TEntryGrid::showRowEditors(int row) {
  closeList();
  currentFormat_ = "%S";
  currentFormatType_ = TFormatType::ft_Fixed;
  rangeLo_ = rangeHi_ = 0;
  const TField *field = rows_.Field(row);
  if (!field) {
    hideRowEditors();
    return;
  }
  controlsRow_ = row;
  currentFormat_ = field->FormatStr();
  if (const auto *num = dynamic_cast<const TNumField *>(field)) {
    currentFormatType_ = num->FormatType();
    rangeLo_ = num->RangeLo();
    rangeHi_ = num->RangeHi();
  }
  placeRowEditors();
  // Each control is shown or hidden once, never hidden on the way: the grid
  // takes the focus (and comes here) in the middle of a click on one of them,
  // which a hide would swallow.
  const bool inView = !CellRect(1, row).isEmpty();
  propButton_->setVisible(inView && field->Kind() == TEditorKind::ekPropEditor);
  spinUp_->setVisible(inView && field->Kind() == TEditorKind::ekSpin);
  spinDown_->setVisible(inView && field->Kind() == TEditorKind::ekSpin);
  pullButton_->setVisible(inView && dynamic_cast<const TEnumField *>(field) != nullptr);
  const bool check = dynamic_cast<const TBoolField *>(field) != nullptr;
  // Setting the state is no click: clicked() fires for the user only.
  if (check)
    checkBox_->setChecked(rows_.GetData(1, row).toBool());
  checkBox_->setVisible(inView && check);
}

void TEntryGrid::placeRowEditors() {
  if (controlsRow_ < 0)
    return;
  const QRect cell = CellRect(1, controlsRow_);
  if (cell.isEmpty()) {
    // Scrolled out of view: nothing to click until it comes back.
    for (QWidget *w : {static_cast<QWidget *>(propButton_), static_cast<QWidget *>(pullButton_),
                       static_cast<QWidget *>(spinUp_), static_cast<QWidget *>(spinDown_),
                       static_cast<QWidget *>(checkBox_)})
      w->hide();
    return;
  }
  const int side = cell.height();
  const int left = cell.left() + cell.width() - side;
  propButton_->setGeometry(left, cell.top(), side, side);
  pullButton_->setGeometry(left, cell.top(), side, side);
  const int half = HalfHeight(side);
  spinUp_->setGeometry(left, cell.top(), side, half);
  spinDown_->setGeometry(left, cell.top() + half, side, half);
  const int boxH = std::min(side, 20);
  checkBox_->setGeometry(cell.left() + 1, cell.top() + 1, std::max(boxH - 2, 1), boxH);
}

void TEntryGrid::TopLeftChanged() {
  if (controlsRow_ >= 0)
    showRowEditors(controlsRow_);
  TxStringGrid::TopLeftChanged();
}

void TEntryGrid::ColWidthsChanged() {
  placeRowEditors();
  TxStringGrid::ColWidthsChanged();
}

void TEntryGrid::RowHeightsChanged() {
  placeRowEditors();
  TxStringGrid::RowHeightsChanged();
}

void TEntryGrid::resizeEvent(QResizeEvent *e) {
  TxStringGrid::resizeEvent(e);
  placeRowEditors();
}

// ---- selecting and editing --------------------------------------------------

bool TEntryGrid::SelectCell(int col, int row) {
  if (col != 1) {
    closeList();
    hideRowEditors();
  } else {
    try {
      showRowEditors(row);
    } catch (const std::exception &) {
      // What was shown so far stays.
    }
  }
  return TxStringGrid::SelectCell(col, row);
}

bool TEntryGrid::CanEditShow() {
  if (Col() != 1 || isEnumRow(Row()))
    return false;
  return TxStringGrid::CanEditShow();
}

void TEntryGrid::SetupEditor(int col, int row) {
  propButton_->hide();
  spinUp_->hide();
  spinDown_->hide();
  TxInplaceEdit *editor = InplaceEditor();
  const TField *field = rows_.Field(row);
  editor->SetFormatStr(field ? field->FormatStr() : std::string("%S"));
  if (const auto *num = dynamic_cast<const TNumField *>(field)) {
    editor->SetFormatType(num->FormatType());
    editor->SetRangeLo(num->RangeLo());
    editor->SetRangeHi(num->RangeHi());
  } else {
    editor->SetFormatType(TFormatType::ft_Fixed);
    editor->SetRangeLo(0);
    editor->SetRangeHi(0);
  }
  QPalette pal = editor->palette();
  pal.setColor(QPalette::Base, colorEditMode_);
  pal.setColor(QPalette::Text, colorEditModeText_);
  editor->setPalette(pal);
  editor->setText(QString::fromStdString(GetEditText(col, row)));
  editor->setModified(false);
  editor->selectAll();
}

void TEntryGrid::DoSetData(int col, int row) {
  rows_.DoSetData(col, row);
  // The edit has ended: the current row's buttons come back (Enter leaves
  // the cell selected; a move has already selected the new one).
  if (Col() == 1 && IsScrollingCell(Col(), Row()))
    showRowEditors(Row());
}

void TEntryGrid::GridEntered() {
  if (Col() == 1 && IsScrollingCell(Col(), Row()))
    showRowEditors(Row());
  else
    hideRowEditors();
  TreatNextPressAsNewCell();
  TxStringGrid::GridEntered();
}

void TEntryGrid::keyPressEvent(QKeyEvent *e) {
  const bool arrow = e->key() == Qt::Key_Left || e->key() == Qt::Key_Right;
  if (arrow && !EditorOpen() && isEnumRow(Row())) {
    FocusCell(Col(), Row());
    CycleEnum(rows_, Row(), e->key() == Qt::Key_Right);
    e->accept();
    return;
  }
  TxStringGrid::keyPressEvent(e);
}

void TEntryGrid::mouseDoubleClickEvent(QMouseEvent *e) {
  TxStringGrid::mouseDoubleClickEvent(e);
  if (e->button() != Qt::LeftButton)
    return;
  const QPoint cell = MouseCoord(e->position().toPoint());
  if (cell.y() == Row() && isEnumRow(Row())) {
    FocusCell(Col(), Row());
    CycleEnum(rows_, Row(), true);
  }
}

// ---- drawing ------------------------------------------------------------------

void TEntryGrid::DrawCell(QPainter &painter, int col, int row, const QRect &rect,
                          TGridDrawState state) {
  const bool ownColour = colorEditCol_ != Color();
  const QColor windowText = palette().color(QPalette::WindowText);
  const bool valueCell = col == 1 && row >= FixedRows();
  // A selected cell of a grid without the focus shows no highlight: it is
  // drawn like a value cell so the user still sees where the grid stands.
  const bool inactiveSelected =
      (state & gdSelected) && !(state & gdFixed) && (!isEnabled() || !GridHasFocus());
  if (ownColour && (valueCell || inactiveSelected)) {
    painter.fillRect(rect, colorEditCol_);
    painter.setPen(windowText);
  }
  TxStringGrid::DrawCell(painter, col, row, rect, state);
}

// ---- the pull-down list -----------------------------------------------------

void TEntryGrid::TogglePullDown() {
  if (list_ && list_->isVisible()) {
    closeList();
    return;
  }
  openList();
}

void TEntryGrid::openList() {
  const auto *field = dynamic_cast<const TEnumField *>(rows_.Field(Row()));
  const QRect cell = CellRect(1, Row());
  if (!field || cell.isEmpty())
    return;
  ListBox()->clear();
  int textWidth = 0;
  const QFontMetrics metrics(list_->font());
  for (const std::string &item : field->Items()) {
    const QString text = QString::fromStdString(item);
    list_->addItem(text);
    textWidth = std::max(textWidth, metrics.horizontalAdvance(text));
  }
  list_->SetItemHeight(DefaultRowHeight());
  int selected = -1;
  try {
    selected = GetData(1, Row()).toInt();
  } catch (const std::exception &) {
  }
  if (selected >= 0 && selected < list_->count())
    list_->setCurrentRow(selected);

  const int line = GridLineWidth();
  const QPoint origin = viewport()->mapToGlobal(QPoint(0, 0));
  const int shown = std::min(list_->count(), 5) + 1;
  const int frame = 2 * list_->FrameWidth();
  int width = line + cell.width();
  if (textWidth + 8 < 200 && textWidth + 8 > width)
    width = textWidth + 8;
  list_->setGeometry(origin.x() + cell.left() + line,
                     origin.y() + cell.top() + line + DefaultRowHeight(), width,
                     list_->ItemHeight() * shown + frame);
  list_->show();
  list_->raise();
  list_->setFocus(Qt::PopupFocusReason);
}

void TEntryGrid::closeList() {
  if (list_ && list_->isVisible())
    list_->hide();
}

void TEntryGrid::pointerMovedWithListOpen(const QPoint &global) {
  // The pointer over any other part of the grid closes the list, so the
  // click that follows lands on the grid and selects what it points at.
  const QPoint pos = viewport()->mapFromGlobal(global);
  if (!viewport()->rect().contains(pos))
    return;
  const QPoint cell = MouseCoord(pos);
  if (cell.x() == 1 && isEnumRow(cell.y()))
    return;
  closeList();
  setFocus(Qt::PopupFocusReason);
}

bool TEntryGrid::isListsOwnPlace(const QPoint &global) const {
  if (pullButton_->isVisible() && pullButton_->rect().contains(pullButton_->mapFromGlobal(global)))
    return true;
  const QPoint pos = viewport()->mapFromGlobal(global);
  if (!viewport()->rect().contains(pos))
    return false;
  const QPoint cell = MouseCoord(pos);
  return cell.x() == 1 && cell.y() == Row();
}

void TEntryGrid::takeFocusBack() {
  if (isVisible() && window()->isActiveWindow())
    setFocus(Qt::PopupFocusReason);
}

} // namespace korvane
