#pragma once
// The tool bar's glyphs, drawn rather than taken from the desktop's icon
// theme: a bare X server or a minimal desktop has no theme, and the buttons
// must not turn blank there.
#include <QIcon>
#include <QProxyStyle>

namespace korvane {

enum class TToolGlyph { Open, Save, Copy, Solve, Help, Close, More };

QIcon ToolIcon(TToolGlyph glyph);

// The program's own icon, the duct elbow of data/korvane.svg, for window
// frames and task bars (the toolkit here reads no SVG).
QIcon ProgramIcon();

// The desktop's style with the tool bar's overflow chevron drawn like the
// other glyphs. The style's own is an image file, and reading it makes the
// toolkit look through its image plugins while the first window is built.
class TToolStyle : public QProxyStyle {
public:
  // Over the style `key` names: the one the user or the desktop chose.
  explicit TToolStyle(const QString &key) : QProxyStyle(key) {}
  QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
                     const QWidget *widget = nullptr) const override;
};

} // namespace korvane
