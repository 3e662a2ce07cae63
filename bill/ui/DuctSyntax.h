#pragma once
// The bill highlighter: colours bill texts in the text editor component with
// the bill syntax scanner. Style numbers are the scanner's token kinds; the
// construct a line leaves open (option list, brace or slash-star comment) is
// kept in the editor's line state, so any line can be restyled from the one
// before it.
#include <Qsci/qscilexercustom.h>

namespace korvane {

class TDuctSyntax : public QsciLexerCustom {
  Q_OBJECT
public:
  explicit TDuctSyntax(QObject *parent = nullptr);

  const char *language() const override;
  QString description(int style) const override;
  QColor defaultColor(int style) const override;
  QFont defaultFont(int style) const override;
  void styleText(int start, int end) override;

  // The file filter in a file dialog's form, "Brisvantore Files (*.dct)",
  // and the sample shown in the editor's option dialogs.
  static QString FileFilter();
  static QString SampleText();
};

} // namespace korvane
