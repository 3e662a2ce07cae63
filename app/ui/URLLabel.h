#pragma once
// A label that behaves like a link: blue, underlined, the hand cursor, and a
// click opens its URL with the desktop's default handler.
#include "desktop/UrlOpener.h"

#include <QLabel>

namespace korvane {

class TURLLabel : public QLabel {
  Q_OBJECT
public:
  explicit TURLLabel(QWidget *parent = nullptr);

  QString URL() const { return url_; }
  // The caption follows the URL while it is empty or still shows the old URL,
  // so a label given only a URL reads as that URL.
  void SetURL(const QString &url);

  // Replaces the desktop's handler (tests, or a host that routes links).
  void SetOpener(TUrlOpener opener) { opener_ = std::move(opener); }

  // Opens the URL as a click does; false when there is none or the handler
  // refused it.
  bool OpenURL();

signals:
  void Clicked(const QString &url);

protected:
  void mousePressEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;

private:
  QString url_;
  TUrlOpener opener_;
  bool pressed_ = false;
};

} // namespace korvane
