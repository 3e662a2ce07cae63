#include "bill/job/QuoteTexts.h"

#include <algorithm>
#include <cmath>

#include "app/Catalogue.h"
#include "base/NumberText.h"

namespace korvane {

namespace {

// A thickness or gauge as a person writes it: "25", "12.5", "1.0".
std::string Millimetres(double mm, int decimals) {
  std::string text;
  AppendFixed(text, mm, std::fmod(mm, 1.0) == 0 && decimals == 0 ? 0 : std::max(decimals, 1));
  return text + " mm";
}

std::string_view FlangeWords(TFlangeType flange) {
  switch (flange) {
  case ftSlipAndDrive:
    return "slip and drive joints";
  case ftMezz20:
    return "20 mm flanged joints";
  case ftMezz35:
    return "35 mm flanged joints";
  case ftAngle20x3:
    return "20 x 3 mm angle flanges";
  case ftAngle30x3:
    return "30 x 3 mm angle flanges";
  case ftAngle40x3:
    return "40 x 3 mm angle flanges";
  case ftAngle40x5:
    return "40 x 5 mm angle flanges";
  case ftAngle50x5:
    return "50 x 5 mm angle flanges";
  case ftAuto:
    break;
  }
  return {};
}

} // namespace

std::string QuoteItemName(const TBillItem &item) {
  std::string name(DuctTypes[static_cast<std::size_t>(item.Form->Type)].Name);
  if (item.Form->Vanes)
    name += ", vaned";
  if (item.Form->Plate)
    name += ", with mounting plate";
  return name;
}

std::string IncludedWords(const TPricedLine &line) {
  const TEngineSettings &s = line.Settings;
  std::string words;
  const auto add = [&words](std::string_view word) {
    if (!words.empty())
      words += ", ";
    words += word;
  };
  if (s.InsulationKind == ikNone || line.InsArea <= 0)
    add("no insulation");
  else
    add(Millimetres(s.InsulThickness, 0) +
        (s.InsulationKind == ikInternal ? " internal insulation" : " external insulation"));
  if (line.Bill.Form->Vanes)
    add("turning vanes");
  if (s.GaugeForced)
    add(Millimetres(s.ForcedGauge, 1) + " sheet");
  if (s.FlangeType != ftAuto)
    add(FlangeWords(s.FlangeType));
  add(s.ErectionIncluded ? "erection included" : "erection not included");
  add(s.BracketsIncluded ? "brackets included" : "brackets not included");
  return words;
}

std::string NoteText(const TBillNote &note) {
  return note.Keyword.empty() ? note.Reason : note.Keyword + ": " + note.Reason;
}

TQuoteRow MoneyRow(std::string label, int span, TCents cents, const TCurrencyFormat &currency,
                   bool total) {
  return {{{std::move(label), {}, false, span}, MoneyCell(cents, currency)}, total, false};
}

void AppendMoneyRows(TQuoteTable &table, const TJobMoney &m, const TCurrencyFormat &currency,
                     int span) {
  // Without a discount or VAT the Subtotal is the Total, shown once.
  if (m.DiscountPercent != 0 || m.VatPercent != 0)
    table.Rows.push_back(MoneyRow("Subtotal", span, m.Subtotal, currency, false));
  if (m.DiscountPercent != 0)
    table.Rows.push_back(
        MoneyRow("Discount " + PercentText(m.DiscountPercent), span, -m.Discount, currency, false));
  if (m.VatPercent != 0)
    table.Rows.push_back(MoneyRow("VAT " + PercentText(m.VatPercent) + " on " +
                                      MoneyText(m.Subtotal - m.Discount, currency),
                                  span, m.Vat, currency, false));
  table.Rows.push_back(
      MoneyRow(m.VatPercent != 0 ? "Total including VAT" : "Total", span, m.Total, currency, true));
}

} // namespace korvane
