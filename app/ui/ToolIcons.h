#pragma once
// The tool bar's glyphs, drawn when first painted (desktop/DrawnIcon).
#include <QIcon>

namespace korvane {

enum class TToolGlyph { Open, Save, Copy, Solve, Help, Close };

QIcon ToolIcon(TToolGlyph glyph);

// The program's own icon, the duct elbow of data/korvane.svg, for window
// frames and task bars (the toolkit here reads no SVG).
QIcon ProgramIcon();

} // namespace korvane
