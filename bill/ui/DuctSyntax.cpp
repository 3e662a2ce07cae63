#include "bill/ui/DuctSyntax.h"

#include <Qsci/qsciscintilla.h>

#include <vector>

#include "bill/BillScanner.h"
#include "bill/BillSyntaxStyle.h"
#include "desktop/EditorFont.h"

namespace korvane {

namespace {

constexpr int kStyleCount = 10; // the token kinds, Comment to Unknown

const TBillAttribute *Attribute(int style) {
  if (style < 0 || style >= kStyleCount)
    return nullptr;
  return BillAttributeFor(static_cast<TBillTokenKind>(style));
}

QString Qs(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

TDuctSyntax::TDuctSyntax(QObject *parent) : QsciLexerCustom(parent) {}

const char *TDuctSyntax::language() const {
  return kBillLanguageName.data();
}

QString TDuctSyntax::description(int style) const {
  // Unknown bytes share the identifiers' look but keep a name of their own,
  // so the editor's settings hold one entry per style.
  if (style == static_cast<int>(TBillTokenKind::Unknown))
    return QStringLiteral("Unknown");
  const TBillAttribute *attr = Attribute(style);
  return attr ? Qs(attr->name) : QString();
}

QColor TDuctSyntax::defaultColor(int style) const {
  const TBillAttribute *attr = Attribute(style);
  if (attr && attr->foreground)
    return QColor(attr->foreground->r, attr->foreground->g, attr->foreground->b);
  return QsciLexerCustom::defaultColor(style);
}

QFont TDuctSyntax::defaultFont(int style) const {
  const TBillAttribute *attr = Attribute(style);
  return EditorFont(attr && attr->bold, attr && attr->italic);
}

void TDuctSyntax::styleText(int start, int end) {
  QsciScintilla *ed = editor();
  if (!ed || end <= start)
    return;
  const auto send = [ed](unsigned int msg, unsigned long w = 0, long l = 0) {
    return static_cast<long>(ed->SendScintilla(msg, w, l));
  };
  const long firstLine = send(QsciScintillaBase::SCI_LINEFROMPOSITION, start);
  const long lastLine = send(QsciScintillaBase::SCI_LINEFROMPOSITION, end - 1);
  auto state =
      firstLine > 0
          ? static_cast<TBillScanState>(send(QsciScintillaBase::SCI_GETLINESTATE, firstLine - 1))
          : TBillScanState::None;
  startStyling(static_cast<int>(send(QsciScintillaBase::SCI_POSITIONFROMLINE, firstLine)));
  std::vector<TBillToken> tokens;
  for (long line = firstLine; line <= lastLine; ++line) {
    const long from = send(QsciScintillaBase::SCI_POSITIONFROMLINE, line);
    const long to = line + 1 < send(QsciScintillaBase::SCI_GETLINECOUNT)
                        ? send(QsciScintillaBase::SCI_POSITIONFROMLINE, line + 1)
                        : send(QsciScintillaBase::SCI_GETLENGTH);
    QByteArray bytes = ed->bytes(static_cast<int>(from), static_cast<int>(to));
    bytes.truncate(to - from); // the copy ends in a NUL of its own
    state = ScanBillLine(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), state, tokens);
    for (const TBillToken &token : tokens)
      setStyling(static_cast<int>(token.length), static_cast<int>(token.kind));
    send(QsciScintillaBase::SCI_SETLINESTATE, static_cast<unsigned long>(line),
         static_cast<long>(state));
  }
}

QString TDuctSyntax::FileFilter() {
  // Stored as "Description|pattern"; the editor's dialogs read "Description".
  const QString filter = Qs(kBillFileFilter);
  return filter.left(filter.indexOf(QLatin1Char('|')));
}

QString TDuctSyntax::SampleText() {
  return QString::fromStdString(BillSampleText());
}

} // namespace korvane
