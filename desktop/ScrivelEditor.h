#pragma once
// The text component of the INI editor window: INI colouring, a gutter with
// optional line numbers and marks, bookmarks on Ctrl+Shift+digit (jump with
// Ctrl+digit), searching and replacing, dropped files and a scroll hint.
#include <Qsci/qsciscintilla.h>

#include <QStringList>

#include "desktop/SearchDialog.h"

namespace korvane {

class TIniLexer;

class TScrivelEditor : public QsciScintilla {
  Q_OBJECT
public:
  // Markers 0 to 9 are the bookmarks; the line mark is any other mark on a line.
  static constexpr int kBookmarkCount = 10;
  static constexpr int kLineMark = 10;

  explicit TScrivelEditor(QWidget *parent = nullptr);
  // An editor that colours with `syntax`, which it takes as its child, in
  // place of the INI colouring: setting one over the other would lay every
  // style out twice before the window is first drawn.
  TScrivelEditor(QsciLexer *syntax, QWidget *parent);

  // The INI colouring; null in an editor that colours with another syntax.
  TIniLexer *Lexer() const;

  // The text as the file will hold it: one entry per line, line ends removed,
  // trailing blanks trimmed. An empty text has no lines; a final line end does
  // not start another line.
  QStringList TextLines() const;
  // Lines counted as above.
  int LineCount() const;
  // Replaces the whole text with a file's contents, line ends made uniform,
  // and forgets the undo history and the marks.
  void SetFileText(const QString &text);
  // Empties the text, its marks and its undo and redo history.
  void ClearAll();

  void SetLineNumbers(bool on);
  bool LineNumbers() const { return lineNumbers_; }
  void SetBackground(const QColor &colour);
  QColor Background() const;

  // Selects the next match from the selection in the chosen direction; false
  // when there is none (the selection is kept).
  bool FindText(const QString &text, const TSearchOptions &options);
  // When the selection is a match, replaces it; then finds the next match.
  bool ReplaceAndFind(const QString &text, const QString &replacement,
                      const TSearchOptions &options);
  // Replaces every match in the whole text as one undo step; the count.
  int ReplaceAll(const QString &text, const QString &replacement, const TSearchOptions &options);

  void ToggleBookmark(int number);
  bool GotoBookmark(int number);
  // What a click in the gutter does: the marks of that line go, bookmarks stay.
  void ClearLineMarks(int line);

signals:
  void FilesDropped(const QStringList &paths);

protected:
  void dragEnterEvent(QDragEnterEvent *event) override;
  void dragMoveEvent(QDragMoveEvent *event) override;
  void dropEvent(QDropEvent *event) override;

private:
  int SearchFlags(const TSearchOptions &options) const;
  bool SelectionMatches(const QString &text, const TSearchOptions &options);
  void UpdateLineNumberWidth();

  bool lineNumbers_ = false;
};

} // namespace korvane
