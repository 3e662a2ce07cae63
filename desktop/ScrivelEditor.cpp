#include "desktop/ScrivelEditor.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QShortcut>
#include <QToolTip>

#include "desktop/EditorFont.h"
#include "desktop/IniLexer.h"

namespace korvane {

namespace {

QStringList LocalFiles(const QMimeData *mime) {
  QStringList files;
  if (!mime || !mime->hasUrls())
    return files;
  for (const QUrl &url : mime->urls()) {
    if (url.isLocalFile())
      files << url.toLocalFile();
  }
  return files;
}

} // namespace

TScrivelEditor::TScrivelEditor(QWidget *parent) : TScrivelEditor(nullptr, parent) {}

TScrivelEditor::TScrivelEditor(QsciLexer *syntax, QWidget *parent) : QsciScintilla(parent) {
  setFont(EditorFont());
  if (syntax)
    syntax->setParent(this);
  setLexer(syntax ? syntax : new TIniLexer(this));
  setUtf8(true);
  setEolMode(EolUnix);
  setAutoIndent(true);
  setTabWidth(8);
  setIndentationsUseTabs(false); // the Tab key types spaces
  setTabIndents(true);           // smart tabs: Tab in leading blanks indents
  setBackspaceUnindents(true);
  // The caret may go past the end of a line; Alt+drag selects a column.
  SendScintilla(SCI_SETVIRTUALSPACEOPTIONS,
                static_cast<unsigned long>(SCVS_USERACCESSIBLE | SCVS_RECTANGULARSELECTION));
  // Printing: the colouring on white paper, whatever the screen background.
  SendScintilla(SCI_SETPRINTCOLOURMODE, static_cast<unsigned long>(SC_PRINT_COLOURONWHITE));

  setMarginsFont(EditorFont());
  setMarginType(0, NumberMargin);
  setMarginWidth(0, 0);
  setMarginType(1, SymbolMargin);
  setMarginWidth(1, 16);
  setMarginSensitivity(0, true);
  setMarginSensitivity(1, true);
  for (int n = 0; n < kBookmarkCount; ++n)
    markerDefine(QsciScintilla::Bookmark, n);
  markerDefine(QsciScintilla::RightTriangle, kLineMark);
  setMarginMarkerMask(1, ~0);
  connect(this, &QsciScintilla::marginClicked, this,
          [this](int, int line, Qt::KeyboardModifiers) { ClearLineMarks(line); });
  connect(this, &QsciScintilla::linesChanged, this, &TScrivelEditor::UpdateLineNumberWidth);

  for (int n = 0; n < kBookmarkCount; ++n) {
    const Qt::Key key = static_cast<Qt::Key>(Qt::Key_0 + n);
    auto *toggle = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | key), this);
    toggle->setContext(Qt::WidgetWithChildrenShortcut);
    connect(toggle, &QShortcut::activated, this, [this, n] { ToggleBookmark(n); });
    auto *jump = new QShortcut(QKeySequence(Qt::CTRL | key), this);
    jump->setContext(Qt::WidgetWithChildrenShortcut);
    connect(jump, &QShortcut::activated, this, [this, n] { GotoBookmark(n); });
  }

  // The scroll hint: while the thumb is dragged, tell which line comes to the top.
  connect(verticalScrollBar(), &QScrollBar::sliderMoved, this, [this](int value) {
    QToolTip::showText(QCursor::pos(), QStringLiteral("Top Line: %1").arg(value + 1), this);
  });
  connect(verticalScrollBar(), &QScrollBar::sliderReleased, this, [] { QToolTip::hideText(); });
}

QStringList TScrivelEditor::TextLines() const {
  QString all = text();
  if (all.isEmpty())
    return {};
  // Pasted text may bring any kind of line end.
  all.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  all.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  QStringList lines = all.split(QLatin1Char('\n'));
  if (lines.last().isEmpty())
    lines.removeLast();
  for (QString &line : lines) {
    qsizetype end = line.size();
    while (end > 0 && (line[end - 1] == QLatin1Char(' ') || line[end - 1] == QLatin1Char('\t')))
      --end;
    line.truncate(end);
  }
  return lines;
}

int TScrivelEditor::LineCount() const {
  if (length() == 0)
    return 0;
  int count = lines();
  const QString all = text();
  if (all.endsWith(QLatin1Char('\n')) || all.endsWith(QLatin1Char('\r')))
    --count;
  return count;
}

void TScrivelEditor::SetFileText(const QString &text) {
  QString uniform = text;
  uniform.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  uniform.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  setText(uniform);
  markerDeleteAll();
  SendScintilla(SCI_EMPTYUNDOBUFFER);
}

void TScrivelEditor::ClearAll() {
  clear();
  markerDeleteAll();
  SendScintilla(SCI_EMPTYUNDOBUFFER);
}

void TScrivelEditor::SetLineNumbers(bool on) {
  lineNumbers_ = on;
  setMarginLineNumbers(0, on);
  UpdateLineNumberWidth();
}

void TScrivelEditor::UpdateLineNumberWidth() {
  if (!lineNumbers_) {
    setMarginWidth(0, 0);
    return;
  }
  setMarginWidth(0, QStringLiteral("0%1").arg(qMax(lines(), 999)));
}

void TScrivelEditor::SetBackground(const QColor &colour) {
  lexer()->setPaper(colour, -1);
  setPaper(colour);
}

TIniLexer *TScrivelEditor::Lexer() const {
  return qobject_cast<TIniLexer *>(lexer());
}

QColor TScrivelEditor::Background() const {
  // SetBackground gives every style of any syntax the same paper.
  return lexer()->paper(TIniLexer::Text);
}

int TScrivelEditor::SearchFlags(const TSearchOptions &options) const {
  return (options.matchCase ? SCFIND_MATCHCASE : 0) | (options.wholeWord ? SCFIND_WHOLEWORD : 0);
}

bool TScrivelEditor::FindText(const QString &text, const TSearchOptions &options) {
  if (text.isEmpty())
    return false;
  const QByteArray needle = text.toUtf8();
  const long selStart = SendScintilla(SCI_GETSELECTIONSTART);
  const long selEnd = SendScintilla(SCI_GETSELECTIONEND);
  const long docEnd = SendScintilla(SCI_GETLENGTH);
  // A target that runs backwards makes Scintilla search backwards.
  const long from = options.down ? selEnd : selStart;
  const long to = options.down ? docEnd : 0;
  SendScintilla(SCI_SETSEARCHFLAGS, static_cast<unsigned long>(SearchFlags(options)));
  SendScintilla(SCI_SETTARGETSTART, static_cast<unsigned long>(from));
  SendScintilla(SCI_SETTARGETEND, static_cast<unsigned long>(to));
  const long found =
      SendScintilla(SCI_SEARCHINTARGET, static_cast<uintptr_t>(needle.size()), needle.constData());
  if (found < 0)
    return false;
  const long foundEnd = SendScintilla(SCI_GETTARGETEND);
  SendScintilla(SCI_SETSEL, static_cast<unsigned long>(found), foundEnd);
  SendScintilla(SCI_SCROLLCARET);
  return true;
}

bool TScrivelEditor::SelectionMatches(const QString &text, const TSearchOptions &options) {
  const long selStart = SendScintilla(SCI_GETSELECTIONSTART);
  const long selEnd = SendScintilla(SCI_GETSELECTIONEND);
  if (selStart == selEnd)
    return false;
  const QByteArray needle = text.toUtf8();
  SendScintilla(SCI_SETSEARCHFLAGS, static_cast<unsigned long>(SearchFlags(options)));
  SendScintilla(SCI_SETTARGETSTART, static_cast<unsigned long>(selStart));
  SendScintilla(SCI_SETTARGETEND, static_cast<unsigned long>(selEnd));
  const long found =
      SendScintilla(SCI_SEARCHINTARGET, static_cast<uintptr_t>(needle.size()), needle.constData());
  return found == selStart && SendScintilla(SCI_GETTARGETEND) == selEnd;
}

bool TScrivelEditor::ReplaceAndFind(const QString &text, const QString &replacement,
                                    const TSearchOptions &options) {
  if (text.isEmpty())
    return false;
  if (SelectionMatches(text, options)) {
    const QByteArray with = replacement.toUtf8();
    // The target still spans the selection that matched.
    SendScintilla(SCI_REPLACETARGET, static_cast<uintptr_t>(with.size()), with.constData());
    const long end = SendScintilla(SCI_GETTARGETEND);
    SendScintilla(SCI_SETSEL, static_cast<unsigned long>(end), end);
  }
  return FindText(text, options);
}

int TScrivelEditor::ReplaceAll(const QString &text, const QString &replacement,
                               const TSearchOptions &options) {
  if (text.isEmpty())
    return 0;
  const QByteArray needle = text.toUtf8();
  const QByteArray with = replacement.toUtf8();
  int count = 0;
  long from = 0;
  SendScintilla(SCI_SETSEARCHFLAGS, static_cast<unsigned long>(SearchFlags(options)));
  beginUndoAction();
  for (;;) {
    SendScintilla(SCI_SETTARGETSTART, static_cast<unsigned long>(from));
    SendScintilla(SCI_SETTARGETEND, SendScintilla(SCI_GETLENGTH));
    if (SendScintilla(SCI_SEARCHINTARGET, static_cast<uintptr_t>(needle.size()),
                      needle.constData()) < 0)
      break;
    SendScintilla(SCI_REPLACETARGET, static_cast<uintptr_t>(with.size()), with.constData());
    // Carry on after the replacement, so a replacement holding the search
    // text is not replaced again.
    from = SendScintilla(SCI_GETTARGETEND);
    ++count;
  }
  endUndoAction();
  return count;
}

void TScrivelEditor::ToggleBookmark(int number) {
  int line = 0;
  int index = 0;
  getCursorPosition(&line, &index);
  const unsigned bit = 1u << number;
  const bool here = (markersAtLine(line) & bit) != 0;
  markerDeleteAll(number); // a bookmark lives on one line at a time
  if (!here)
    markerAdd(line, number);
}

bool TScrivelEditor::GotoBookmark(int number) {
  const int line = markerFindNext(0, 1 << number);
  if (line < 0)
    return false;
  setCursorPosition(line, 0);
  ensureLineVisible(line);
  return true;
}

void TScrivelEditor::ClearLineMarks(int line) {
  const unsigned marks = markersAtLine(line);
  for (int m = kBookmarkCount; m < 32; ++m) {
    if (marks & (1u << m))
      markerDelete(line, m);
  }
}

void TScrivelEditor::dragEnterEvent(QDragEnterEvent *event) {
  if (!LocalFiles(event->mimeData()).isEmpty()) {
    event->acceptProposedAction();
    return;
  }
  QsciScintilla::dragEnterEvent(event);
}

void TScrivelEditor::dragMoveEvent(QDragMoveEvent *event) {
  if (!LocalFiles(event->mimeData()).isEmpty()) {
    event->acceptProposedAction();
    return;
  }
  QsciScintilla::dragMoveEvent(event);
}

void TScrivelEditor::dropEvent(QDropEvent *event) {
  const QStringList files = LocalFiles(event->mimeData());
  if (!files.isEmpty()) {
    event->acceptProposedAction();
    emit FilesDropped(files);
    return;
  }
  QsciScintilla::dropEvent(event);
}

} // namespace korvane
