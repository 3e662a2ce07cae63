#include "desktop/IniLexer.h"

#include <Qsci/qsciscintilla.h>

#include "base/NumberText.h"
#include "desktop/EditorFont.h"

namespace korvane {

TIniLexer::TIniLexer(QObject *parent) : QsciLexerCustom(parent) {}

QString TIniLexer::description(int style) const {
  static const char *const names[StyleCount] = {"Text",   "Comment", "Section", "Key",
                                                "Symbol", "Number",  "String"};
  return style >= 0 && style < StyleCount ? QString::fromLatin1(names[style]) : QString();
}

QColor TIniLexer::defaultColor(int style) const {
  switch (style) {
  case Comment:
    return QColor(128, 128, 128);
  case Section:
    return QColor(0, 0, 64);
  case Key:
    return QColor(128, 64, 64);
  case String:
    return QColor(0, 116, 170);
  default:
    return QColor(0, 0, 0);
  }
}

QFont TIniLexer::defaultFont(int style) const {
  return EditorFont(style == Section, style == Comment);
}

std::vector<std::pair<int, int>> TIniLexer::LineStyles(std::string_view line) {
  std::vector<std::pair<int, int>> runs;
  const auto add = [&runs](std::size_t length, int style) {
    if (length > 0)
      runs.emplace_back(static_cast<int>(length), style);
  };
  const std::size_t first = line.find_first_not_of(" \t");
  if (first == std::string_view::npos) {
    add(line.size(), Text);
    return runs;
  }
  const char lead = line[first];
  if (lead == ';' || lead == '#') {
    add(line.size(), Comment);
    return runs;
  }
  if (lead == '[') {
    const std::size_t close = line.find(']', first);
    const std::size_t end = close == std::string_view::npos ? line.size() : close + 1;
    add(end, Section);
    add(line.size() - end, Text);
    return runs;
  }
  const std::size_t eq = line.find('=');
  if (eq == std::string_view::npos) {
    add(line.size(), Text);
    return runs;
  }
  add(eq, Key);
  add(1, Symbol);
  const std::string_view value = line.substr(eq + 1);
  const std::size_t start = value.find_first_not_of(" \t");
  if (start == std::string_view::npos) {
    add(value.size(), Text);
    return runs;
  }
  add(start, Text);
  const char quote = value[start];
  if (quote == '"' || quote == '\'') {
    const std::size_t close = value.find(quote, start + 1);
    const std::size_t end = close == std::string_view::npos ? value.size() : close + 1;
    add(end - start, String);
    add(value.size() - end, Text);
    return runs;
  }
  double number = 0;
  add(value.size() - start, ReadNumber(value.substr(start), number) ? Number : Text);
  return runs;
}

void TIniLexer::styleText(int start, int end) {
  QsciScintilla *ed = editor();
  if (!ed || end <= start)
    return;
  // Colouring works a whole line at a time, so widen the range to line starts.
  const int firstLine = int(ed->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, start));
  start = int(ed->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, firstLine));
  QByteArray bytes = ed->bytes(start, end);
  bytes.truncate(end - start); // the copy comes with a terminating NUL
  startStyling(start);
  qsizetype pos = 0;
  const qsizetype size = bytes.size();
  while (pos < size) {
    qsizetype eol = pos;
    while (eol < size && bytes[eol] != '\n' && bytes[eol] != '\r')
      ++eol;
    for (const auto &[length, style] :
         LineStyles(std::string_view(bytes.constData() + pos, std::size_t(eol - pos))))
      setStyling(length, style);
    qsizetype next = eol;
    if (next < size && bytes[next] == '\r')
      ++next;
    if (next < size && bytes[next] == '\n')
      ++next;
    if (next > eol)
      setStyling(int(next - eol), Text);
    pos = next;
  }
}

} // namespace korvane
