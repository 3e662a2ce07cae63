#include "bill/job/BillOptions.h"

#include <array>
#include <cmath>

#include "base/NumberText.h"
#include "bill/BillKeywords.h"

namespace korvane {

namespace {

constexpr std::array<std::string_view, 9> kGaugeItems{"Auto", "0.6", "0.8", "1.0", "1.2",
                                                      "1.6",  "2.0", "2.4", "3.0"};
constexpr std::array<double, 9> kGauges{0, 0.6, 0.8, 1.0, 1.2, 1.6, 2.0, 2.4, 3.0};
constexpr std::array<std::string_view, 9> kFlangeItems{
    "Auto",         "Slip and Drive", "20mm Mezz",    "35mm Mezz",   "20/3mm Angle",
    "30/3mm Angle", "40/3mm Angle",   "40/5mm Angle", "50/5mm Angle"};

struct TFlangeWord {
  std::string_view upper;
  int item;
};
// The spellings of the flange kind keyword, to the Flange row's item.
constexpr TFlangeWord kFlangeWords[] = {
    {"AUTO", 0},         {"AUTOFLANGE", 0},   {"SLIPANDDRIVE", 1}, {"S&D", 1},
    {"MEZZ20", 2},       {"MEZZ35", 3},       {"ANGLE20X20X3", 4}, {"ANGLE20", 4},
    {"ANGLE20X3", 4},    {"ANGLE30X30X3", 5}, {"ANGLE30", 5},      {"ANGLE30X3", 5},
    {"ANGLE40X40X3", 6}, {"ANGLE40", 6},      {"ANGLE40X3", 6},    {"ANGLE40X40X5", 7},
    {"ANGLE40X5", 7},    {"ANGLE50X50X5", 8}, {"ANGLE50", 8},      {"ANGLE50X5", 8},
};

int FlangeItem(std::string_view word) {
  const std::string upper = BillUpper(word);
  for (const TFlangeWord &w : kFlangeWords)
    if (w.upper == upper)
      return w.item;
  return -1;
}

template <typename T>
bool SetOnce(std::optional<T> &option, T value, std::string_view name, std::string &error) {
  if (option) {
    error = std::string(name) + " is given twice";
    return false;
  }
  option = value;
  return true;
}

bool Fail(std::string &error, std::string text) {
  error = std::move(text);
  return false;
}

bool IncludeExclude(const TBillToken &value, std::optional<bool> &option, std::string_view name,
                    std::string &error) {
  if (value.Code != btInclude && value.Code != btExclude)
    return Fail(error, std::string(name) + " takes Include or Exclude, not '" + value.Text + "'");
  return SetOnce(option, value.Code == btInclude, name, error);
}

bool TakeGauge(const TBillToken &value, TBillOptions &out, std::string &error) {
  double gauge = 0;
  int item = -1;
  if (value.Code == btFlangeKind && BillUpper(value.Text) == "AUTO")
    item = 0;
  else if (value.Code == btNumber && ReadNumber(value.Text, gauge))
    for (std::size_t i = 1; i < kGauges.size(); ++i)
      if (std::fabs(gauge - kGauges[i]) < 1e-9)
        item = static_cast<int>(i);
  if (item < 0)
    return Fail(error, "Gauge takes Auto or 0.6, 0.8, 1.0, 1.2, 1.6, 2.0, 2.4 or 3.0, not '" +
                           value.Text + "'");
  return SetOnce(out.Gauge, item, "Gauge", error);
}

bool TakeInsulation(const TBillToken &value, TBillOptions &out, std::string &error) {
  TInsulationKind kind = ikNone;
  if (value.Code == btInternal)
    kind = ikInternal;
  else if (value.Code == btExternal)
    kind = ikExternal;
  else if (value.Code != btNone)
    return Fail(error, "Insulation takes Internal, External or None, not '" + value.Text + "'");
  return SetOnce(out.Insulation, kind, "Insulation", error);
}

bool TakeThickness(const TBillToken &value, TBillOptions &out, std::string &error) {
  // "25mm" starts with a digit, so the lexer hands it out as a number.
  const int code = LookupBillKeyword(BillUpper(value.Text));
  if (code != btIns25mm && code != btIns50mm)
    return Fail(error, "InsThickness takes 25mm or 50mm, not '" + value.Text + "'");
  return SetOnce(out.InsThickness, code == btIns25mm ? 25 : 50, "InsThickness", error);
}

bool TakeNumberOff(const TBillToken &value, TBillOptions &out, std::string &error) {
  long n = 0;
  if (value.Code != btNumber || !ReadNumberOff(value.Text, n))
    return Fail(error, "NumberOff takes a whole number from 1 to " + std::to_string(kMaxNumberOff) +
                           ", not '" + value.Text + "'");
  return SetOnce(out.NumberOff, n, "NumberOff", error);
}

bool TakeAssignment(const TBillToken &name, const TBillToken &value, TBillOptions &out,
                    std::string &error) {
  switch (name.Code) {
  case btErection:
    return IncludeExclude(value, out.Erection, "Erection", error);
  case btBrackets:
    return IncludeExclude(value, out.Brackets, "Brackets", error);
  case btReinforcing:
    return IncludeExclude(value, out.Reinforcing, "Reinforcing", error);
  case btInsulation:
    return TakeInsulation(value, out, error);
  case btInsThickness:
    return TakeThickness(value, out, error);
  case btGauge:
    return TakeGauge(value, out, error);
  case btNumberOff:
    return TakeNumberOff(value, out, error);
  default:
    return Fail(error, "'" + name.Text + "' is not an option the calculator prices");
  }
}

} // namespace

TBillOptions TBillOptions::Over(const TBillOptions &defaults) const {
  TBillOptions merged;
  merged.Erection = Erection ? Erection : defaults.Erection;
  merged.Brackets = Brackets ? Brackets : defaults.Brackets;
  merged.Reinforcing = Reinforcing ? Reinforcing : defaults.Reinforcing;
  merged.Insulation = Insulation ? Insulation : defaults.Insulation;
  merged.InsThickness = InsThickness ? InsThickness : defaults.InsThickness;
  merged.Gauge = Gauge ? Gauge : defaults.Gauge;
  merged.Flange = Flange ? Flange : defaults.Flange;
  merged.NumberOff = NumberOff ? NumberOff : defaults.NumberOff;
  return merged;
}

bool ParseBillOptions(std::span<const TBillToken> tokens, std::size_t &pos, TBillOptions &out,
                      std::string &error) {
  if (pos >= tokens.size() || tokens[pos].Code != btOpenParen)
    return Fail(error, "an option list starts with '('");
  ++pos;
  while (pos < tokens.size() && tokens[pos].Code != btCloseParen) {
    const TBillToken &name = tokens[pos];
    if (name.Code == btFlangeKind) {
      if (!SetOnce(out.Flange, FlangeItem(name.Text), "the flange", error))
        return false;
      ++pos;
      continue;
    }
    if (pos + 2 >= tokens.size() || tokens[pos + 1].Code != btEquals)
      return Fail(error, "'" + name.Text + "' is not an option the calculator prices");
    if (!TakeAssignment(name, tokens[pos + 2], out, error))
      return false;
    pos += 3;
  }
  if (pos >= tokens.size())
    return Fail(error, "the option list has no ')'");
  ++pos;
  return true;
}

bool ReadNumberOff(std::string_view text, long &out) {
  double n = 0;
  if (!ReadNumber(text, n) || n < 1 || n > kMaxNumberOff || n != std::floor(n))
    return false;
  out = static_cast<long>(n);
  return true;
}

std::string_view GaugeItemText(int gauge) {
  return kGaugeItems.at(static_cast<std::size_t>(gauge));
}

std::string_view FlangeItemText(int flange) {
  return kFlangeItems.at(static_cast<std::size_t>(flange));
}

std::string_view FlangeWord(int flange) {
  for (const TFlangeWord &w : kFlangeWords)
    if (w.item == flange)
      return w.upper;
  return {};
}

std::string_view InsulationItemText(TInsulationKind kind, std::optional<int> thickness) {
  if (kind == ikNone)
    return "None";
  if (!thickness)
    return {};
  if (kind == ikInternal)
    return *thickness == 25 ? "25mm Internal" : "50mm Internal";
  return *thickness == 25 ? "25mm DuctWrap" : "50mm DuctWrap";
}

} // namespace korvane
