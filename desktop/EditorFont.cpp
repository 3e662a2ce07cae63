#include "desktop/EditorFont.h"

#include <QFontDatabase>

namespace korvane {

QFont EditorFont(bool bold, bool italic) {
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPointSize(10);
  font.setBold(bold);
  font.setItalic(italic);
  return font;
}

} // namespace korvane
