#include "desktop/ScrivelEditor.h"

#include <QDropEvent>
#include <QFontMetrics>
#include <QMimeData>

#include "desktop/IniLexer.h"
#include "tests/support/UiTest.h"

namespace korvane {
namespace {

using Runs = std::vector<std::pair<int, int>>;

TEST(IniLexer, ColoursSectionsKeysStringsAndComments) {
  using L = TIniLexer;
  const struct {
    const char *line;
    Runs runs;
  } cases[] = {
      {"[Nipple]", {{8, L::Section}}},
      {"  [Odd] tail", {{7, L::Section}, {5, L::Text}}},
      {"[open", {{5, L::Section}}},
      {"; note", {{6, L::Comment}}},
      {"d100=12.5", {{4, L::Key}, {1, L::Symbol}, {4, L::Number}}},
      {"name = \"a b\" x",
       {{5, L::Key}, {1, L::Symbol}, {1, L::Text}, {5, L::String}, {2, L::Text}}},
      {"k='open", {{1, L::Key}, {1, L::Symbol}, {5, L::String}}},
      {"k=abc", {{1, L::Key}, {1, L::Symbol}, {3, L::Text}}},
      {"k=", {{1, L::Key}, {1, L::Symbol}}},
      {"plain", {{5, L::Text}}},
      {"", {}},
  };
  for (const auto &c : cases)
    EXPECT_EQ(TIniLexer::LineStyles(c.line), c.runs) << c.line;
  TIniLexer lexer;
  EXPECT_EQ(lexer.defaultColor(L::Section), QColor(0, 0, 64));
  EXPECT_EQ(lexer.defaultColor(L::Key), QColor(128, 64, 64));
  EXPECT_EQ(lexer.defaultColor(L::String), QColor(0, 116, 170));
}

class ScrivelEditorTest : public test::TUiTest {
protected:
  TScrivelEditor editor;
};

TEST_F(ScrivelEditorTest, EveryStyleAndTheGutterAreFixedPitchAtTenPoints) {
  const auto fixedPitch = [](const QFont &font) {
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(QStringLiteral("iiii")) ==
           metrics.horizontalAdvance(QStringLiteral("MMMM"));
  };
  for (int s = 0; s < TIniLexer::StyleCount; ++s) {
    EXPECT_TRUE(fixedPitch(editor.Lexer()->font(s))) << s;
    EXPECT_EQ(editor.Lexer()->font(s).pointSize(), 10) << s;
  }
  EXPECT_TRUE(editor.Lexer()->font(TIniLexer::Section).bold());
  EXPECT_TRUE(editor.Lexer()->font(TIniLexer::Comment).italic());
  EXPECT_TRUE(fixedPitch(editor.font()));
}

TEST_F(ScrivelEditorTest, FindsBothWaysWithCaseAndWholeWord) {
  editor.setText("Key key keys key");
  TSearchOptions down;
  ASSERT_TRUE(editor.FindText("key", down));
  EXPECT_EQ(editor.selectedText(), "Key"); // case ignored
  down.matchCase = true;
  ASSERT_TRUE(editor.FindText("key", down));
  EXPECT_EQ(editor.SendScintilla(QsciScintillaBase::SCI_GETSELECTIONSTART), 4);
  down.wholeWord = true;
  ASSERT_TRUE(editor.FindText("key", down)); // skips "keys"
  EXPECT_EQ(editor.SendScintilla(QsciScintillaBase::SCI_GETSELECTIONSTART), 13);
  EXPECT_FALSE(editor.FindText("key", down));
  EXPECT_EQ(editor.SendScintilla(QsciScintillaBase::SCI_GETSELECTIONSTART), 13);

  TSearchOptions up = down;
  up.down = false;
  ASSERT_TRUE(editor.FindText("key", up));
  EXPECT_EQ(editor.SendScintilla(QsciScintillaBase::SCI_GETSELECTIONSTART), 4);
}

TEST_F(ScrivelEditorTest, ReplaceAllDoesNotChaseItsOwnReplacements) {
  editor.setText("a=1\na=2\nba=3\n");
  TSearchOptions options;
  options.wholeWord = true;
  EXPECT_EQ(editor.ReplaceAll("a", "aa", options), 2);
  EXPECT_EQ(editor.text(), "aa=1\naa=2\nba=3\n");
  editor.undo(); // one step undoes them all
  EXPECT_EQ(editor.text(), "a=1\na=2\nba=3\n");
}

TEST_F(ScrivelEditorTest, ReplaceChangesTheMatchedSelectionThenFindsTheNext) {
  editor.setText("x1 x2 x3");
  TSearchOptions options;
  ASSERT_TRUE(editor.FindText("x", options));
  EXPECT_TRUE(editor.ReplaceAndFind("x", "y", options));
  EXPECT_EQ(editor.text(), "y1 x2 x3");
  EXPECT_EQ(editor.SendScintilla(QsciScintillaBase::SCI_GETSELECTIONSTART), 3);
}

TEST_F(ScrivelEditorTest, AGutterClickRemovesLineMarksButNotBookmarks) {
  editor.setText("a\nb\nc\n");
  editor.setCursorPosition(1, 0);
  editor.ToggleBookmark(3);
  editor.markerAdd(1, TScrivelEditor::kLineMark);
  editor.markerAdd(2, TScrivelEditor::kLineMark);
  emit editor.marginClicked(1, 1, Qt::NoModifier);
  EXPECT_EQ(editor.markersAtLine(1), 1u << 3);
  EXPECT_EQ(editor.markersAtLine(2), 1u << TScrivelEditor::kLineMark);

  editor.setCursorPosition(0, 0);
  EXPECT_TRUE(editor.GotoBookmark(3));
  int line = 0, index = 0;
  editor.getCursorPosition(&line, &index);
  EXPECT_EQ(line, 1);
  editor.ToggleBookmark(3); // on the same line: off again
  EXPECT_FALSE(editor.GotoBookmark(3));
}

TEST_F(ScrivelEditorTest, FileTextLinesAreTrimmedAndUniform) {
  editor.SetFileText("a  \r\nb\t\rc\n\n");
  EXPECT_EQ(editor.text(), "a  \nb\t\nc\n\n");
  EXPECT_EQ(editor.TextLines(), QStringList({"a", "b", "c", ""}));
  EXPECT_EQ(editor.LineCount(), 4);
  EXPECT_FALSE(editor.isUndoAvailable());
}

struct TDropTarget : TScrivelEditor {
  using TScrivelEditor::dropEvent;
};

TEST_F(ScrivelEditorTest, DroppedFilesAreHandedOnDroppedTextIsNot) {
  TDropTarget target;
  std::vector<QStringList> dropped;
  QObject::connect(&target, &TScrivelEditor::FilesDropped,
                   [&dropped](const QStringList &paths) { dropped.push_back(paths); });
  QMimeData files;
  files.setUrls({QUrl::fromLocalFile("/tmp/a.ini"), QUrl("https://example.org/b.ini")});
  QDropEvent fileDrop(QPointF(5, 5), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
  target.dropEvent(&fileDrop);
  ASSERT_EQ(dropped.size(), 1u);
  EXPECT_EQ(dropped[0], QStringList({"/tmp/a.ini"}));

  QMimeData text;
  text.setText("k=v");
  QDropEvent textDrop(QPointF(5, 5), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
  target.dropEvent(&textDrop);
  EXPECT_EQ(dropped.size(), 1u);
}

} // namespace
} // namespace korvane
