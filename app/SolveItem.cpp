#include "app/SolveItem.h"

#include <algorithm>
#include <cstddef>
#include <exception>
#include <initializer_list>
#include <span>

#include "app/BillOptionList.h"
#include "app/Catalogue.h"
#include "app/EngineOptions.h"
#include "app/ReportLabels.h"
#include "engine/RectCosting.h"
#include "engine/RoundCosting.h"
#include "engine/SharedRules.h"

namespace korvane {

std::string &TDetailLines::Add() {
  if (count_ == lines_.size())
    lines_.emplace_back();
  std::string &line = lines_[count_++];
  line.clear();
  return line;
}

std::string TDetailLines::Joined(std::string_view lineEnd) const {
  std::string text;
  for (const std::string &line : *this) {
    text += line;
    text += lineEnd;
  }
  return text;
}

namespace {

// Empties every value; most are empty already, and those cost nothing.
void ClearValues(std::array<Variant, kMaxProps> &values) {
  for (Variant &value : values)
    if (!value.isEmpty())
      value = Variant();
}

} // namespace

void TSolveReport::Reset() {
  Details.Clear();
  StatusText.clear();
  RatesText.clear();
  SummaryLine.clear();
  OptionText.clear();
  BillOptions.clear();
  VanesFlag = false;
  Price = Area = InsArea = Weight = CentreLength = 0;
  Failed = false;
  ClearValues(Values);
}

namespace {

// Reads the value column the way the solve needs it. A cell that does not
// read as a number throws, which ends the solve with "Bad data...".
// Every value read is kept in the report.
struct TRowReader {
  const TEntryRows &rows;
  std::array<Variant, kMaxProps> &values;

  const Variant &Read(int r) const {
    Variant &value = values.at(static_cast<std::size_t>(r - 1));
    rows.ReadData(1, r, value);
    return value;
  }
  double Num(int r) const { return Read(r).toDouble(); }
  int Index(int r) const { return Read(r).toInt(); }
  // Vanes and Reinforcing: any item but the first is a yes.
  bool Flag(int r) const { return Index(r) != 0; }
};

using TArgs = std::initializer_list<Variant>;

std::span<const Variant> Span(TArgs args) {
  return {args.begin(), args.size()};
}

class TSolver {
public:
  TSolver(const TSolveContext &context, const TEntryRows &rows, TSolveReport &report)
      : engine_(context.Engine), settings_(context.Engine.settings), read_{rows, report.Values},
        r_(report), texts_(context.Texts == TReportTexts::All) {}

  // Reads the rows of `type`, sets the options, prices the item and writes
  // the summary line and Details lines 2 and 3.
  void PriceItem(int type);

private:
  void Rect(int g, int f, int i) {
    ApplyRectOptions(settings_, read_.Index(g), read_.Index(f), read_.Index(i), r_.OptionText);
  }
  void Round(int g, int i) {
    ApplyRoundOptions(settings_, read_.Index(g), read_.Index(i), r_.OptionText);
  }
  void Take(double price, const TItemQuantities &q) {
    r_.Price = price;
    r_.Area = q.Area;
    r_.InsArea = q.InsArea;
    r_.Weight = q.Weight;
    r_.CentreLength = q.CentreLength;
  }
  void Texts(std::string_view summary, TArgs summaryArgs, std::string_view line2, TArgs lineArgs,
             bool vaneLabel = false) {
    if (!texts_)
      return;
    r_.SummaryLine.clear();
    FormatTo(r_.SummaryLine, summary, Span(summaryArgs));
    FormatTo(r_.Details.Add(), line2, Span(lineArgs));
    std::string &line3 = r_.Details.Add();
    if (vaneLabel) {
      line3 += VaneLabels[r_.VanesFlag ? 1 : 0];
      line3 += "  ";
    }
    line3 += r_.OptionText;
  }
  void RoundFitting(TRoundFittingKind kind, double angle, double radius, double d) {
    TItemQuantities q;
    Take(CalcRoundFitting(engine_, kind, angle, radius, d, q), q);
  }

  TEngine &engine_;
  TEngineSettings &settings_;
  TRowReader read_;
  TSolveReport &r_;
  bool texts_;
};

void TSolver::PriceItem(int type) {
  TItemQuantities q;
  switch (type) {
  case dtStraightRect: {
    const double W = read_.Num(1), H = read_.Num(2), L = read_.Num(3);
    Rect(4, 5, 6);
    q.CentreLength = L;
    Take(CalcStraightRect(engine_, W, H, L, q), q);
    Texts("%0.0f  %0.0f  %0.3f", {W, H, L}, "%0.0fmm x %0.0fmm  %0.3fm", {W, H, L});
    break;
  }
  case dtRadiusBend: {
    const double W = read_.Num(1), H = read_.Num(2), A = read_.Num(3);
    r_.VanesFlag = read_.Flag(4);
    Rect(5, 6, 7);
    Take(CalcRadiusBend(engine_, W, H, A, r_.VanesFlag, q), q);
    Texts("%0.0f  %0.0f  %0.0f  1", {W, H, A}, "%0.0fmm x %0.0fmm  %0.0f°", {W, H, A});
    break;
  }
  case dtSquareBend: {
    const double W = read_.Num(1), H = read_.Num(2);
    r_.VanesFlag = read_.Flag(3);
    Rect(4, 5, 6);
    Take(CalcSquareBend(engine_, W, H, r_.VanesFlag, q), q);
    Texts("%0.0f  %0.0f  1", {W, H}, "%0.0fmm x %0.0fmm", {W, H}, true);
    break;
  }
  case dtSquareBendReducing: {
    const double W1 = read_.Num(1), H = read_.Num(2), W2 = read_.Num(3);
    r_.VanesFlag = read_.Flag(4);
    Rect(5, 6, 7);
    // Priced as the square bend of the larger width, which opens the summary.
    const double W = std::max(W1, W2);
    Take(CalcSquareBend(engine_, W, H, r_.VanesFlag, q), q);
    Texts("%0.0f  %0.0f  %0.0f  %0.0f  1", {W, H, W2, H}, "%0.0fmm x %0.0fmm", {W, H}, true);
    break;
  }
  case dtSquareToRound: {
    const double W = read_.Num(1), H = read_.Num(2), D = read_.Num(3), L = read_.Num(4);
    Rect(5, 6, 7);
    q.CentreLength = L;
    Take(CalcSquareToRound(engine_, W, H, D, L, q), q);
    Texts("%0.0f  %0.0f  %0.0f  1  %0.3f", {W, H, D, L}, "%0.0fmm x %0.0fmm to %0.0fmm  %0.3fm",
          {W, H, D, L});
    break;
  }
  case dtTaper: {
    const double W1 = read_.Num(1), H1 = read_.Num(2), W2 = read_.Num(3), H2 = read_.Num(4),
                 L = read_.Num(5);
    Rect(6, 7, 8);
    q.CentreLength = L;
    Take(CalcTaper(engine_, W1, H1, W2, H2, L, q), q);
    Texts("%0.0f  %0.0f  %0.0f  %0.0f  1  %0.3f", {W1, H1, W2, H2, L},
          "%0.0fmm x %0.0fmm to %0.0fmm x %0.0fmm  %0.3fm", {W1, H1, W2, H2, L});
    break;
  }
  case dtSquareStopEnd: {
    const double W = read_.Num(1), H = read_.Num(2);
    Rect(3, 4, 5);
    Take(CalcSquareStopEnd(engine_, W, H, q), q);
    Texts("%0.0f  %0.0f  1", {W, H}, "%0.0fmm x %0.0fmm", {W, H});
    break;
  }
  case dtYPiece: {
    const double W1 = read_.Num(1), W2 = read_.Num(2), H = read_.Num(3);
    r_.VanesFlag = read_.Flag(4);
    Rect(5, 6, 7);
    // Two 90 degree bends of the common height, one per branch.
    TItemQuantities q2;
    const double price1 = CalcRadiusBend(engine_, W1, H, 90, r_.VanesFlag, q);
    const double price2 = CalcRadiusBend(engine_, W2, H, 90, r_.VanesFlag, q2);
    q.Area += q2.Area;
    q.InsArea += q2.InsArea;
    q.Weight += q2.Weight;
    q.CentreLength += q2.CentreLength;
    Take(price1 + price2, q);
    Texts("%0.0f  %0.0f  %0.0f  1", {W1, W2, H}, "%0.0fmm  %0.0fmm  x %0.0fmm", {W1, W2, H}, true);
    break;
  }
  case dtSpiral: {
    const double D = read_.Num(1), L = read_.Num(2);
    const bool reinforced = read_.Flag(3);
    Round(4, 5);
    settings_.Reinforced = reinforced;
    q.CentreLength = L;
    Take(CalcSpiral(engine_, D, L, q), q);
    Texts("%0.0f  %0.3f", {D, L}, "%0.0fmm  %0.3fm", {D, L});
    break;
  }
  case dtRoundSpigot: {
    const double D = read_.Num(1);
    const int plate = read_.Index(2);
    Round(3, 4);
    // Any other plate value is no fitting the price list knows: not priced.
    if (plate == 0 || plate == 1)
      RoundFitting(plate == 0 ? rfSpigot : rfPlateSpigot, 0, 0, D);
    Texts("%0.0f  1", {D}, "%0.0fmm", {D});
    break;
  }
  case dtElbow: {
    const double D = read_.Num(1), A = read_.Num(2);
    const int radius = read_.Index(3);
    const bool reinforced = read_.Flag(4);
    Round(5, 6);
    settings_.Reinforced = reinforced;
    double R = D; // "1 Dia", and any index the row does not have
    if (radius == 1)
      R = 1.5 * D;
    else if (radius == 2)
      R = 2 * D;
    else if (radius == 3)
      R = 150;
    RoundFitting(rfElbow, A, R, D);
    Texts("%0.0f  %0.0f  %0.0f  1", {D, R, A}, "%0.0fmm  r=%0.0fmm  %0.0f°", {D, R, A});
    break;
  }
  case dtReducer: {
    const double D = read_.Num(1), L = read_.Num(2);
    Round(3, 4);
    q.CentreLength = L; // the reducer's length goes in here
    Take(CalcRoundFitting(engine_, rfReducer, 0, 0, D, q), q);
    Texts("%0.0f  %0.3f  1", {D, r_.CentreLength}, "%0.0fmm  %0.3f", {D, r_.CentreLength});
    break;
  }
  case dtTPiece: {
    const double D = read_.Num(1);
    Round(2, 3);
    RoundFitting(rfTPiece, 90, 0, D);
    Texts("%0.0f  90  1", {D}, "%0.0fmm", {D});
    break;
  }
  case dtNipple:
  case dtRoundStopEnd: {
    const double D = read_.Num(1);
    Round(2, 3);
    RoundFitting(type == dtNipple ? rfNipple : rfStopEnd, 0, 0, D);
    Texts("%0.0f  1", {D}, "%0.0fmm", {D});
    break;
  }
  default:
    throw EKorvaneError("No such item type");
  }
}

void WriteRates(TSolveReport &r) {
  if (r.CentreLength == 0 || r.Weight == 0) {
    r.RatesText = kRatesNotCalculated;
    return;
  }
  const double perMetre = r.Price / r.CentreLength;
  const double perSquareMetre = r.Price / r.Area;
  const double perKilogram = r.Price / r.Weight;
  // A rate without an answer is bad data, as the division would be.
  RequireFinite(perMetre);
  RequireFinite(perSquareMetre);
  RequireFinite(perKilogram);
  r.RatesText.clear();
  FormatTo(r.RatesText, "%0.1f R/m  %0.1f R/m²  %0.1f R/kg",
           Span({perMetre, perSquareMetre, perKilogram}));
}

void WriteTail(const TSolveContext &context, int type, TSolveReport &r) {
  const TEngineSettings &settings = context.Engine.settings;
  const TEngineOutputs &outputs = context.Engine.outputs;
  std::string &files = r.Details.Add();
  files += context.CostFileName;
  files += "  ";
  files += ErectionLabels[settings.ErectionIncluded ? 1 : 0];
  files += "  ";
  files += BracketsLabels[settings.BracketsIncluded ? 1 : 0];
  r.Details.Add() = kReportRule;
  FormatTo(r.Details.Add(), "Gauge %0.1f mm", Span({outputs.GaugeUsed}));
  if (!IsRoundType(type)) {
    std::string &flange = r.Details.Add();
    flange += "Flange ";
    flange += FlangeLabels[static_cast<std::size_t>(outputs.FlangeUsed)];
  }
  FormatTo(r.Details.Add(), "Area %0.2n m²", Span({r.Area}));
  FormatTo(r.Details.Add(), "Mass %0.1n kg", Span({r.Weight}));
  r.Details.Add() = kReportRule;
  std::string &rates = r.Details.Add();
  rates += "Rates ";
  rates += r.RatesText;
  FormatTo(r.Details.Add(), "Price %m", Span({r.Price}), context.Currency);
}

} // namespace

bool SolveItem(const TSolveContext &context, int type, const TEntryRows &rows,
               TSolveReport &report) {
  report.VanesFlag = false;
  report.Price = report.Area = report.InsArea = report.Weight = report.CentreLength = 0;
  report.Failed = false;
  ClearValues(report.Values);
  report.Details.Clear();
  try {
    if (type < 0 || type >= kTypeCount)
      throw EKorvaneError("No such item type");
    report.Details.Add() = DuctTypes[static_cast<std::size_t>(type)].Name;
    TSolver(context, rows, report).PriceItem(type);

    if (context.Texts != TReportTexts::FiguresOnly) {
      report.StatusText.clear();
      FormatTo(report.StatusText, "%m  [%0.1fmm  %0.1nm²  %0.1nkg]",
               Span({report.Price, context.Engine.outputs.GaugeUsed, report.Area, report.Weight}),
               context.Currency);
    }
    if (context.Texts == TReportTexts::All) {
      WriteRates(report);
      BuildBillOptions(type, context.Engine.settings, report.BillOptions);
      WriteTail(context, type, report);
    }
    return true;
  } catch (const std::exception &) {
    report.StatusText = kBadData;
    report.Failed = true;
    return false;
  }
}

} // namespace korvane
