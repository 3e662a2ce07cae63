#pragma once
// INI colouring for the text editor: section names, keys, quoted strings,
// numbers and comments, each in its own style.
#include <Qsci/qscilexercustom.h>

#include <string_view>
#include <utility>
#include <vector>

namespace korvane {

class TIniLexer : public QsciLexerCustom {
  Q_OBJECT
public:
  enum TStyle { Text = 0, Comment, Section, Key, Symbol, Number, String, StyleCount };

  explicit TIniLexer(QObject *parent = nullptr);

  const char *language() const override { return "INI"; }
  QString description(int style) const override;
  QColor defaultColor(int style) const override;
  QFont defaultFont(int style) const override;
  void styleText(int start, int end) override;

  // The styles of one line (without its line end) as runs of (length, style)
  // covering every byte.
  static std::vector<std::pair<int, int>> LineStyles(std::string_view line);
};

} // namespace korvane
