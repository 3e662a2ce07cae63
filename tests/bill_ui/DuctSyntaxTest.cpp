// The bill highlighter inside the editor component: styles as the scanner
// says, across lines, with the attributes' colours and fonts.
#include <Qsci/qsciscintilla.h>

#include <QFontMetrics>
#include <QPointer>

#include <memory>

#include "bill/BillScanner.h"
#include "bill/BillSyntaxStyle.h"
#include "bill/ui/DuctSyntax.h"
#include "bill/ui/HighlighterList.h"
#include "desktop/ScrivelEditor.h"
#include "tests/support/UiTest.h"

namespace korvane {
namespace {

using DuctSyntaxTest = test::TUiTest;

// The style of every byte of the editor's text.
std::vector<int> EditorStyles(QsciScintilla &editor) {
  const int length = static_cast<int>(editor.SendScintilla(QsciScintillaBase::SCI_GETLENGTH));
  editor.SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0UL, static_cast<long>(length));
  std::vector<int> styles;
  for (int pos = 0; pos < length; ++pos)
    styles.push_back(
        static_cast<int>(editor.SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, pos)));
  return styles;
}

// The styles the scanner gives, line after line with the state carried.
std::vector<int> ScannerStyles(const std::vector<std::string> &lines) {
  std::vector<int> styles;
  std::vector<TBillToken> tokens;
  TBillScanState state = TBillScanState::None;
  for (const std::string &line : lines) {
    state = ScanBillLine(line, state, tokens);
    for (const TBillToken &t : tokens)
      styles.insert(styles.end(), t.length, static_cast<int>(t.kind));
  }
  return styles;
}

TEST_F(DuctSyntaxTest, StylesEveryByteAsTheScannerSays) {
  const std::vector<std::string> lines = {"StraightRect (Gauge=0.8) ; level 2\n", "{ left open\n",
                                          "costs = x.cst }\n", "Spiral (Dia=200\n",
                                          "Len=3) 12.5..4 \"s\" T-Piece"};
  std::string text;
  for (const std::string &l : lines)
    text += l;
  QsciScintilla editor;
  editor.setLexer(new TDuctSyntax(&editor));
  editor.setText(QString::fromStdString(text));
  const std::vector<int> expected = ScannerStyles(lines);
  EXPECT_EQ(EditorStyles(editor), expected);

  // The first line begins Key, Space, Option.
  using K = TBillTokenKind;
  EXPECT_EQ(expected[0], int(K::Key));
  EXPECT_EQ(expected[12], int(K::Space));
  EXPECT_EQ(expected[13], int(K::Option));

  // Closing the brace comment early restyles the lines after it.
  editor.setSelection(1, 0, 1, 11);
  editor.replaceSelectedText(QStringLiteral("{ closed }"));
  std::vector<std::string> changed = lines;
  changed[1] = "{ closed }\n";
  EXPECT_EQ(EditorStyles(editor), ScannerStyles(changed));
}

TEST_F(DuctSyntaxTest, AttributesGiveTheColoursAndFonts) {
  TDuctSyntax lexer;
  EXPECT_STREQ(lexer.language(), "DuctSyntax");
  using K = TBillTokenKind;
  const auto style = [](K k) { return static_cast<int>(k); };
  EXPECT_EQ(lexer.description(style(K::Key)), "Reserved Word");
  EXPECT_EQ(lexer.color(style(K::Comment)), QColor(0, 0, 128));
  EXPECT_TRUE(lexer.font(style(K::Comment)).italic());
  EXPECT_EQ(lexer.color(style(K::Option)), QColor(0, 128, 0));
  EXPECT_TRUE(lexer.font(style(K::Option)).italic());
  EXPECT_TRUE(lexer.font(style(K::Key)).bold());
  EXPECT_TRUE(lexer.font(style(K::Special)).bold());
  EXPECT_EQ(lexer.color(style(K::Special)), QColor(0, 0, 0));
  EXPECT_EQ(lexer.color(style(K::String)), QColor(255, 0, 0));
  EXPECT_FALSE(lexer.font(style(K::Number)).bold());
  EXPECT_EQ(lexer.color(style(K::Unknown)), lexer.color(style(K::Identifier)));
  EXPECT_EQ(lexer.description(style(K::Null)), "");
  // A fixed-pitch face for every style, so the columns of a bill line up.
  for (int s = 0; s <= style(K::Unknown); ++s) {
    const QFontMetrics metrics(lexer.font(s));
    EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral("iiii")),
              metrics.horizontalAdvance(QStringLiteral("MMMM")))
        << s;
  }
}

// The bill window's editor is built with the bill colouring in place of the
// INI one: the editor owns it, and what spoke to the INI colouring still works.
TEST_F(DuctSyntaxTest, AnEditorBuiltWithItColoursWithIt) {
  auto editor = std::make_unique<TScrivelEditor>(new TDuctSyntax, nullptr);
  const QPointer<QsciLexer> syntax = editor->lexer();
  ASSERT_NE(qobject_cast<TDuctSyntax *>(syntax), nullptr);
  EXPECT_EQ(editor->Lexer(), nullptr);
  editor->setText(QStringLiteral("StraightRect (Gauge=0.8)"));
  EXPECT_EQ(EditorStyles(*editor).front(), static_cast<int>(TBillTokenKind::Key));
  editor->SetBackground(QColor(250, 250, 210));
  EXPECT_EQ(editor->Background(), QColor(250, 250, 210));
  EXPECT_EQ(syntax->paper(static_cast<int>(TBillTokenKind::Key)), QColor(250, 250, 210));
  editor.reset();
  EXPECT_TRUE(syntax.isNull());
}

TEST_F(DuctSyntaxTest, IsOfferedByTheHighlighterList) {
  THighlighterList list;
  EXPECT_EQ(list.Find("DuctSyntax"), nullptr);
  RegisterDuctSyntax(list);
  RegisterDuctSyntax(list);
  ASSERT_EQ(list.Entries().size(), 1u);
  const THighlighter *h = list.Find("ductsyntax");
  ASSERT_NE(h, nullptr);
  EXPECT_EQ(h->fileFilter, "Brisvantore Files (*.dct)|*.dct");
  EXPECT_TRUE(h->sampleText.startsWith("{ Sample source for the Tarnwell Duct highlighter }\n"));
  EXPECT_EQ(TDuctSyntax::FileFilter(), "Brisvantore Files (*.dct)");
  QObject owner;
  QsciLexer *lexer = h->create(&owner);
  ASSERT_NE(qobject_cast<TDuctSyntax *>(lexer), nullptr);
  EXPECT_EQ(lexer->parent(), &owner);
}

} // namespace
} // namespace korvane
