#pragma once
// The user's money format for "%m": currency symbol, where it stands and the
// currency's decimals come from the locale; the number separators do not
// (the program always writes '.' and ',').
#include <QLocale>

#include "base/Format.h"

namespace korvane {

// A locale without a currency symbol (C, POSIX) gives an empty symbol, so
// money shows as the number alone.
TCurrencyFormat CurrencyFormatOf(const QLocale &locale);

// The format of QLocale::system().
TCurrencyFormat SystemCurrencyFormat();

} // namespace korvane
