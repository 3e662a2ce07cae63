#pragma once
// A page whose content is built the first time it is shown or asked for, so
// a window's hidden pages (a tab not yet chosen) cost nothing before its
// first frame. The content fills the page and takes its focus.
//
//   auto *page = new TDeferredPage([](QWidget *parent) { return new QListWidget(parent); });
//   tabs->addTab(page, tr("Notes"));
//   page->Content(); // built here, or when the tab is first chosen
#include <QWidget>

#include <functional>

namespace korvane {

class TDeferredPage : public QWidget {
public:
  using TBuild = std::function<QWidget *(QWidget *parent)>;
  explicit TDeferredPage(TBuild build, QWidget *parent = nullptr);

  // The content, built now if it was not yet.
  QWidget *Content();

protected:
  void showEvent(QShowEvent *event) override;

private:
  TBuild build_;
  QWidget *content_ = nullptr;
};

} // namespace korvane
