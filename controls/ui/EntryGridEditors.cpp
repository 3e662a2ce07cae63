#include "controls/ui/EntryGridEditors.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>

namespace korvane {

// ---- glyph buttons ---------------------------------------------------------

TRowEditorButton::TRowEditorButton(TRowGlyph glyph, QWidget *parent)
    : QAbstractButton(parent), glyph_(glyph) {
  setFocusPolicy(Qt::NoFocus);
  setCursor(Qt::ArrowCursor);
  hide();
}

void TRowEditorButton::paintEvent(QPaintEvent *) {
  QPainter p(this);
  QStyleOptionButton option;
  option.initFrom(this);
  option.state |= isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
  option.features = QStyleOptionButton::None;
  // A plain bevel: the style's full push-button panel is too round and too
  // padded for a 16-pixel square.
  p.fillRect(rect(), palette().color(QPalette::Button));
  style()->drawPrimitive(QStyle::PE_FrameButtonBevel, &option, &p, this);

  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(Qt::NoPen);
  p.setBrush(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
  const QPointF c = QRectF(rect()).center() + (isDown() ? QPointF(1, 1) : QPointF(0, 0));
  switch (glyph_) {
  case TRowGlyph::PropEditor: {
    // Three dots on the baseline, as on every "..." button.
    const qreal r = 1.1;
    for (int i = -1; i <= 1; ++i)
      p.drawEllipse(QPointF(c.x() + i * 3.0, c.y() + 2.0), r, r);
    break;
  }
  case TRowGlyph::PullDown:
  case TRowGlyph::SpinDown: {
    const qreal w = glyph_ == TRowGlyph::PullDown ? 3.5 : 3.0;
    const qreal h = glyph_ == TRowGlyph::PullDown ? 2.0 : 1.5;
    const QPointF tri[3] = {{c.x() - w, c.y() - h}, {c.x() + w, c.y() - h}, {c.x(), c.y() + h}};
    p.drawPolygon(tri, 3);
    break;
  }
  case TRowGlyph::SpinUp: {
    const QPointF tri[3] = {
        {c.x() - 3.0, c.y() + 1.5}, {c.x() + 3.0, c.y() + 1.5}, {c.x(), c.y() - 1.5}};
    p.drawPolygon(tri, 3);
    break;
  }
  }
}

// ---- pull-down list --------------------------------------------------------

TMyListBox::TMyListBox(QWidget *owner) : QListWidget(owner) {
  setWindowFlags(Qt::Popup | Qt::FramelessWindowHint);
  // A press outside the list that closes it must not reach the control under
  // the pointer as well: on the pull-down button it would open the list again.
  setAttribute(Qt::WA_NoMouseReplay);
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setLineWidth(1);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setUniformItemSizes(true);
  setFocusPolicy(Qt::StrongFocus);
  // An open pop-up sees every move of the pointer, also over the grid.
  setMouseTracking(true);
  hide();
}

void TMyListBox::SetItemHeight(int height) {
  itemHeight_ = qMax(1, height);
  for (int i = 0; i < count(); ++i)
    item(i)->setSizeHint(QSize(0, itemHeight_));
}

void TMyListBox::commitCurrent() {
  if (OnCommit && currentRow() >= 0)
    OnCommit(currentRow());
}

void TMyListBox::keyPressEvent(QKeyEvent *e) {
  switch (e->key()) {
  case Qt::Key_Return:
  case Qt::Key_Enter:
  case Qt::Key_Escape:
    // The release of this key goes to the grid, which takes no action on it.
    hide();
    e->accept();
    return;
  default:
    QListWidget::keyPressEvent(e);
  }
}

void TMyListBox::keyReleaseEvent(QKeyEvent *e) {
  QListWidget::keyReleaseEvent(e);
  commitCurrent();
}

void TMyListBox::mousePressEvent(QMouseEvent *e) {
  if (!rect().contains(e->position().toPoint())) {
    // Outside the list: the pop-up closes, as pop-ups do.
    QListWidget::mousePressEvent(e);
    return;
  }
  if (QListWidgetItem *it = itemAt(e->position().toPoint())) {
    setCurrentItem(it);
    commitCurrent();
  }
  hide();
}

bool TMyListBox::event(QEvent *e) {
  // Moves outside the list come to the list itself, not to its viewport,
  // and a scroll area passes those on without looking at them.
  if (e->type() == QEvent::MouseMove && OnPointerOutside) {
    const auto *move = static_cast<QMouseEvent *>(e);
    if (!rect().contains(move->position().toPoint()))
      OnPointerOutside(move->globalPosition().toPoint());
  }
  return QListWidget::event(e);
}

void TMyListBox::hideEvent(QHideEvent *e) {
  QListWidget::hideEvent(e);
  if (OnClosed)
    OnClosed();
}

} // namespace korvane
