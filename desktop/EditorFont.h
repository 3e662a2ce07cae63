#pragma once
// The text editors' font: the desktop's fixed-pitch face, so the columns of
// a bill or a cost file line up as they were typed, at the 10 points the
// editors have always shown and printed.
#include <QFont>

namespace korvane {

QFont EditorFont(bool bold = false, bool italic = false);

} // namespace korvane
