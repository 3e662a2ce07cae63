#pragma once
// The text editors' font: the desktop's fixed-pitch font, so the columns of a
// bill or a cost file line up as they were typed, in the face and size the
// user chose for code and terminals.
#include <QFont>

namespace korvane {

QFont EditorFont(bool bold = false, bool italic = false);

} // namespace korvane
