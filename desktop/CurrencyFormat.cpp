#include "desktop/CurrencyFormat.h"

#include <QString>

namespace korvane {

namespace {

// ISO 4217 minor units of the currencies whose count is not two; the locale
// database does not carry them.
int CurrencyDecimals(const QString &isoCode) {
  static const char *const none[] = {"BIF", "CLP", "DJF", "GNF", "ISK", "JPY", "KMF", "KRW", "PYG",
                                     "RWF", "UGX", "UYI", "VND", "VUV", "XAF", "XOF", "XPF"};
  static const char *const three[] = {"BHD", "IQD", "JOD", "KWD", "LYD", "OMR", "TND"};
  for (const char *code : none)
    if (isoCode == QLatin1String(code))
      return 0;
  for (const char *code : three)
    if (isoCode == QLatin1String(code))
      return 3;
  return 2;
}

} // namespace

TCurrencyFormat CurrencyFormatOf(const QLocale &locale) {
  TCurrencyFormat format;
  if (locale.language() == QLocale::C)
    return format;
  const QString symbol = locale.currencySymbol(QLocale::CurrencySymbol);
  if (symbol.isEmpty())
    return format;
  format.symbol = symbol.toStdString();
  format.decimals = CurrencyDecimals(locale.currencySymbol(QLocale::CurrencyIsoCode));
  // Where the symbol goes and whether a blank separates it: ask the locale
  // to write a sample amount and look at it. The digits of some locales are
  // not ASCII, so look for the symbol, not the number.
  const QString sample = locale.toCurrencyString(1.0, symbol);
  const qsizetype at = sample.indexOf(symbol);
  if (at < 0)
    return format;
  format.symbolAfter = at > 0 && at + symbol.size() >= sample.size();
  if (format.symbolAfter) {
    const QChar before = sample.at(at - 1);
    format.spaced = before.isSpace();
  } else {
    const qsizetype next = at + symbol.size();
    format.spaced = next < sample.size() && sample.at(next).isSpace();
  }
  return format;
}

TCurrencyFormat SystemCurrencyFormat() {
  return CurrencyFormatOf(QLocale::system());
}

} // namespace korvane
