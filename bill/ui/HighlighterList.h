#pragma once
// The highlighters the text editor component can offer, by language name.
// The application owns one list and fills it at start; nothing else keeps
// one, so a test builds its own.
#include <QString>

#include <functional>
#include <vector>

class QObject;
class QsciLexer;

namespace korvane {

struct THighlighter {
  QString language;   // "DuctSyntax"
  QString fileFilter; // as kept by the editor: "Description|pattern"
  QString sampleText;
  // A new highlighter owned by `parent`.
  std::function<QsciLexer *(QObject *parent)> create;
};

class THighlighterList {
public:
  // A language registered twice keeps its first entry.
  void Register(THighlighter highlighter);
  const THighlighter *Find(const QString &language) const;
  const std::vector<THighlighter> &Entries() const { return entries_; }

private:
  std::vector<THighlighter> entries_;
};

// Adds the bill highlighter TDuctSyntax.
void RegisterDuctSyntax(THighlighterList &list);

} // namespace korvane
