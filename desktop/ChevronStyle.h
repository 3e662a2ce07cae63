#pragma once
// The desktop's style with the overflow chevron of tool bars and menu bars
// drawn by code. The style's own is an image file, and reading the first
// image makes the toolkit look through its image plugins while the first
// window is built, though the chevron shows only in a window too narrow for
// its bar.
#include <QProxyStyle>

namespace korvane {

class TChevronStyle : public QProxyStyle {
public:
  // Over the style `key` names: the one the user or the desktop chose.
  explicit TChevronStyle(const QString &key) : QProxyStyle(key) {}
  QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
                     const QWidget *widget = nullptr) const override;
};

} // namespace korvane
