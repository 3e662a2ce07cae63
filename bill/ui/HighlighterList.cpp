#include "bill/ui/HighlighterList.h"

#include "bill/BillSyntaxStyle.h"
#include "bill/ui/DuctSyntax.h"

namespace korvane {

void THighlighterList::Register(THighlighter highlighter) {
  if (!Find(highlighter.language))
    entries_.push_back(std::move(highlighter));
}

const THighlighter *THighlighterList::Find(const QString &language) const {
  for (const THighlighter &h : entries_)
    if (h.language.compare(language, Qt::CaseInsensitive) == 0)
      return &h;
  return nullptr;
}

void RegisterDuctSyntax(THighlighterList &list) {
  list.Register(
      {QString::fromUtf8(kBillLanguageName.data(),
                         static_cast<qsizetype>(kBillLanguageName.size())),
       QString::fromUtf8(kBillFileFilter.data(), static_cast<qsizetype>(kBillFileFilter.size())),
       TDuctSyntax::SampleText(),
       [](QObject *parent) -> QsciLexer * { return new TDuctSyntax(parent); }});
}

} // namespace korvane
