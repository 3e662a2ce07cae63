#include "desktop/DrawnIcon.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>

namespace korvane {

namespace {

constexpr double kDesignSize = 16;

class TDrawnEngine final : public QIconEngine {
public:
  explicit TDrawnEngine(std::function<void(QPainter &)> draw) : draw_(std::move(draw)) {}

  void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override {
    painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
  }

  QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State) override {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(size.width() / kDesignSize, size.height() / kDesignSize);
    draw_(p);
    p.end();
    if (mode == QIcon::Normal || mode == QIcon::Active)
      return pixmap;
    QStyleOption option;
    option.palette = QApplication::palette();
    return QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
  }

  QIconEngine *clone() const override { return new TDrawnEngine(draw_); }

private:
  std::function<void(QPainter &)> draw_;
};

} // namespace

QIcon DrawnIcon(std::function<void(QPainter &)> draw) {
  return QIcon(new TDrawnEngine(std::move(draw)));
}

} // namespace korvane
