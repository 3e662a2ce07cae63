#pragma once
// Icons drawn by code rather than taken from the desktop's icon theme: a
// bare X server or a minimal desktop has no theme, and buttons must not
// turn blank there. Each is drawn when first painted, at the size and in
// the state it is asked for, so building a window draws nothing.
#include <QIcon>

#include <functional>

class QPainter;

namespace korvane {

// `draw` paints on a 16-unit square, scaled to the size asked for, with
// antialiasing on; disabled and selected forms are made from it as the
// style makes them for every other icon.
QIcon DrawnIcon(std::function<void(QPainter &)> draw);

} // namespace korvane
