#include "base/Format.h"

#include <algorithm>
#include <charconv>

#include "base/AsciiText.h"
#include "base/NumberText.h"

namespace korvane {

namespace {

// One parsed conversion: "%" ["-"] [width] ["." precision] letter.
struct TConversion {
  bool leftAlign = false;
  bool zeroPad = false;
  int width = 0;
  int precision = -1; // -1: none given
  char letter = 0;    // lower case
};

[[noreturn]] void ThrowFormat(std::string_view format, const char *what) {
  std::string message = "Format '";
  message.append(format);
  message += "' ";
  message += what;
  throw EFormatError(message);
}

// Reads up to two digits; more are refused so a typo cannot ask for a
// million-character field.
bool ReadField(std::string_view format, std::size_t &i, int &value) {
  value = 0;
  if (i < format.size() && IsDigit(format[i])) {
    value = format[i++] - '0';
    if (i < format.size() && IsDigit(format[i])) {
      value = value * 10 + (format[i++] - '0');
      if (i < format.size() && IsDigit(format[i]))
        return false;
    }
  }
  return true;
}

// Parses the conversion after the '%' at format[i - 1]; leaves i after it.
TConversion ParseConversion(std::string_view format, std::size_t &i) {
  TConversion conv;
  if (i < format.size() && format[i] == '-') {
    conv.leftAlign = true;
    ++i;
  }
  conv.zeroPad = i < format.size() && format[i] == '0';
  if (!ReadField(format, i, conv.width))
    ThrowFormat(format, "has a field too wide");
  if (i < format.size() && format[i] == '.') {
    ++i;
    if (!ReadField(format, i, conv.precision))
      ThrowFormat(format, "has a precision too large");
  }
  if (i >= format.size())
    ThrowFormat(format, "ends inside a conversion");
  conv.letter = AsciiLower(format[i++]);
  switch (conv.letter) {
  case 'd':
  case 's':
  case 'f':
  case 'n':
  case 'm':
  case 'g':
    return conv;
  default:
    ThrowFormat(format, "has an unknown conversion");
  }
}

double NumberArg(std::string_view format, const Variant &arg) {
  if (arg.kind() == Variant::Kind::Double)
    return arg.asDouble();
  if (arg.kind() == Variant::Kind::Int)
    return arg.asInt();
  ThrowFormat(format, "is invalid or incompatible with its argument");
}

void AppendInt(std::string &out, std::int32_t value, int minDigits) {
  char buf[16];
  const auto res = std::to_chars(buf, buf + sizeof buf, value);
  const char *digits = buf;
  if (*digits == '-') {
    out += '-';
    ++digits;
  }
  const int count = static_cast<int>(res.ptr - digits);
  if (minDigits > count)
    out.append(static_cast<std::size_t>(minDigits - count), '0');
  out.append(digits, static_cast<std::size_t>(res.ptr - digits));
}

// A precision on %s limits the text to that many characters (not bytes).
void AppendText(std::string &out, const std::string &text, int maxChars) {
  if (maxChars < 0) {
    out += text;
    return;
  }
  std::size_t end = 0;
  for (int chars = 0; end < text.size(); ++end) {
    if ((static_cast<unsigned char>(text[end]) & 0xC0) != 0x80 && chars++ == maxChars)
      break;
  }
  out.append(text, 0, end);
}

void AppendMoney(std::string &out, double value, int decimals, const TCurrencyFormat &currency) {
  const std::size_t start = out.size();
  AppendFixed(out, value, decimals, true);
  if (currency.symbol.empty())
    return;
  if (currency.symbolAfter) {
    if (currency.spaced)
      out += ' ';
    out += currency.symbol;
    return;
  }
  // The sign stays in front of the symbol: "-R12.00".
  const std::size_t at = start + (out[start] == '-' ? 1 : 0);
  out.insert(at, currency.symbol);
  if (currency.spaced)
    out.insert(at + currency.symbol.size(), 1, ' ');
}

std::size_t CountChars(std::string_view text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

// Pads what the conversion wrote (from `start`) to the field width.
void Pad(std::string &out, std::size_t start, const TConversion &conv) {
  const std::size_t chars = CountChars(std::string_view(out).substr(start));
  if (chars >= static_cast<std::size_t>(conv.width))
    return;
  const std::size_t fill = static_cast<std::size_t>(conv.width) - chars;
  if (conv.leftAlign)
    out.append(fill, ' ');
  else if (conv.zeroPad && conv.letter != 's' && conv.letter != 'm')
    out.insert(start + (out[start] == '-' ? 1 : 0), fill, '0');
  else
    out.insert(start, fill, ' ');
}

void AppendConversion(std::string &out, std::string_view format, const TConversion &conv,
                      const Variant &arg, const TCurrencyFormat &currency) {
  const std::size_t start = out.size();
  switch (conv.letter) {
  case 'd':
    if (arg.kind() != Variant::Kind::Int)
      ThrowFormat(format, "is invalid or incompatible with its argument");
    AppendInt(out, arg.asInt(), conv.precision);
    break;
  case 's':
    // An empty value is an empty text; numbers must be formatted as numbers.
    if (arg.kind() == Variant::Kind::Text)
      AppendText(out, arg.text(), conv.precision);
    else if (arg.kind() != Variant::Kind::Empty)
      ThrowFormat(format, "is invalid or incompatible with its argument");
    break;
  case 'f':
  case 'n':
    AppendFixed(out, NumberArg(format, arg), conv.precision < 0 ? 2 : conv.precision,
                conv.letter == 'n');
    break;
  case 'm':
    AppendMoney(out, NumberArg(format, arg),
                conv.precision < 0 ? currency.decimals : conv.precision, currency);
    break;
  case 'g':
    AppendGeneral(out, NumberArg(format, arg), conv.precision < 0 ? 15 : conv.precision);
    break;
  }
  if (conv.width > 0)
    Pad(out, start, conv);
}

void AppendAll(std::string &out, std::string_view format, std::span<const Variant> args,
               const TCurrencyFormat &currency) {
  std::size_t next = 0;
  std::size_t i = 0;
  while (i < format.size()) {
    // Formats are short: a plain loop, not a library call, finds the '%'.
    std::size_t percent = i;
    while (percent < format.size() && format[percent] != '%')
      ++percent;
    if (percent == format.size()) {
      out.append(format.data() + i, format.size() - i);
      return;
    }
    if (percent > i)
      out.append(format.data() + i, percent - i);
    i = percent + 1;
    if (i < format.size() && format[i] == '%') {
      out += '%';
      ++i;
      continue;
    }
    const TConversion conv = ParseConversion(format, i);
    if (next >= args.size())
      ThrowFormat(format, "has more conversions than arguments");
    AppendConversion(out, format, conv, args[next++], currency);
  }
}

} // namespace

void FormatTo(std::string &out, std::string_view format, std::span<const Variant> args,
              const TCurrencyFormat &currency) {
  // A failing conversion leaves `out` as it was, not with half a line.
  const std::size_t start = out.size();
  try {
    AppendAll(out, format, args, currency);
  } catch (...) {
    out.resize(start);
    throw;
  }
}

std::string Format(std::string_view format, std::span<const Variant> args,
                   const TCurrencyFormat &currency) {
  std::string out;
  out.reserve(format.size() + 16);
  FormatTo(out, format, args, currency);
  return out;
}

} // namespace korvane
