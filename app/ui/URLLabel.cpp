#include "app/ui/URLLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace korvane {

TURLLabel::TURLLabel(QWidget *parent) : QLabel(parent) {
  // Captions come from settings files; never let them be read as markup.
  setTextFormat(Qt::PlainText);
  setCursor(Qt::PointingHandCursor);
  // Reachable from the keyboard as well: Tab to it, Return or Space opens it.
  setFocusPolicy(Qt::TabFocus);
  QFont f = font();
  f.setUnderline(true);
  setFont(f);
  QPalette p = palette();
  p.setColor(QPalette::WindowText, Qt::blue);
  setPalette(p);
}

void TURLLabel::SetURL(const QString &url) {
  if (text().isEmpty() || text() == url_)
    setText(url);
  url_ = url;
  setToolTip(url);
}

bool TURLLabel::OpenURL() {
  if (url_.isEmpty())
    return false;
  emit Clicked(url_);
  return OpenUrlWith(opener_, QUrl(url_, QUrl::TolerantMode));
}

void TURLLabel::mousePressEvent(QMouseEvent *event) {
  pressed_ = event->button() == Qt::LeftButton;
  QLabel::mousePressEvent(event);
}

void TURLLabel::mouseReleaseEvent(QMouseEvent *event) {
  // A click is a press and release of the left button on the label, so a
  // press that is dragged away opens nothing.
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  QLabel::mouseReleaseEvent(event);
  if (click)
    OpenURL();
}

void TURLLabel::keyPressEvent(QKeyEvent *event) {
  switch (event->key()) {
  case Qt::Key_Return:
  case Qt::Key_Enter:
  case Qt::Key_Space:
    OpenURL();
    event->accept();
    return;
  default:
    QLabel::keyPressEvent(event);
  }
}

} // namespace korvane
