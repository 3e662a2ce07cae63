#include "controls/ui/EntryGridEditors.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QWindow>

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
  // A press on the list (its viewport); one outside it is event()'s.
  if (QListWidgetItem *it = itemAt(e->position().toPoint())) {
    setCurrentItem(it);
    commitCurrent();
  }
  hide();
}

bool TMyListBox::event(QEvent *e) {
  // The open pop-up receives the application's clicks and moves; those
  // outside the list come to the list itself, not to its viewport, and a
  // scroll area would pass them on without looking at them.
  switch (e->type()) {
  case QEvent::MouseMove: {
    const auto *move = static_cast<QMouseEvent *>(e);
    if (OnPointerOutside && !rect().contains(move->position().toPoint()))
      OnPointerOutside(move->globalPosition().toPoint());
    break;
  }
  case QEvent::MouseButtonPress:
  case QEvent::MouseButtonDblClick:
    if (pressOutside(*static_cast<QMouseEvent *>(e)))
      return true;
    break;
  case QEvent::MouseButtonRelease:
    if (!rect().contains(static_cast<QMouseEvent *>(e)->position().toPoint())) {
      // The release of a press on the list's own place: the grid takes the
      // focus back as the list hides.
      hide();
      e->accept();
      return true;
    }
    break;
  default:
    break;
  }
  return QListWidget::event(e);
}

bool TMyListBox::pressOutside(const QMouseEvent &press) {
  if (rect().contains(press.position().toPoint()))
    return false;
  const QPoint global = press.globalPosition().toPoint();
  if (OnOwnPlace && OnOwnPlace(global))
    return true; // closed by the release
  hide();
  // The click was meant for what lies under it: it goes there as a press of
  // its own, through the window, so the release that follows pairs with it.
  // (The pop-up's own replay is off: it differs between platforms, and would
  // reopen the list from the pull-down button.)
  QWidget *target = QApplication::widgetAt(global);
  QWindow *window = target ? target->window()->windowHandle() : nullptr;
  if (window) {
    const QPointF local = window->mapFromGlobal(press.globalPosition());
    QCoreApplication::postEvent(window, new QMouseEvent(QEvent::MouseButtonPress, local, local,
                                                        press.globalPosition(), press.button(),
                                                        press.buttons(), press.modifiers()));
  }
  return true;
}

void TMyListBox::focusOutEvent(QFocusEvent *e) {
  QListWidget::focusOutEvent(e);
  // Another window came to the front, or the focus went elsewhere: an open
  // list would stand over it.
  if (isVisible())
    hide();
}

void TMyListBox::hideEvent(QHideEvent *e) {
  QListWidget::hideEvent(e);
  if (OnClosed)
    OnClosed();
}

} // namespace korvane
