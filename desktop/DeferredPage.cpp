#include "desktop/DeferredPage.h"

#include <QVBoxLayout>

#include <utility>

namespace korvane {

TDeferredPage::TDeferredPage(TBuild build, QWidget *parent)
    : QWidget(parent), build_(std::move(build)) {
  auto *fill = new QVBoxLayout(this);
  fill->setContentsMargins(0, 0, 0, 0);
}

QWidget *TDeferredPage::Content() {
  if (!content_ && build_) {
    content_ = std::exchange(build_, nullptr)(this);
    layout()->addWidget(content_);
    setFocusProxy(content_);
    // A page already on screen shows what it just got at once, sized, not
    // on the layout's next turn of the event loop: the page was laid out
    // before its show event.
    layout()->activate();
    content_->show();
  }
  return content_;
}

void TDeferredPage::showEvent(QShowEvent *event) {
  Content();
  QWidget::showEvent(event);
}

} // namespace korvane
