#include "bill/job/CustomerQuote.h"

#include <cstdint>

#include "base/FileIO.h"
#include "bill/job/QuoteBuilder.h"
#include "bill/job/QuoteTexts.h"

namespace korvane {

namespace {

// A logo larger than this is no letterhead image.
constexpr std::size_t kMaxLogoBytes = 8u << 20;

// The MIME type of the image `bytes` hold, by their first bytes; empty for
// anything else.
std::string_view ImageType(std::string_view bytes) {
  if (bytes.starts_with("\x89PNG\r\n\x1a\n"))
    return "image/png";
  if (bytes.starts_with("\xff\xd8\xff"))
    return "image/jpeg";
  if (bytes.starts_with("GIF87a") || bytes.starts_with("GIF89a"))
    return "image/gif";
  return {};
}

void AddLine(std::vector<std::string> &lines, std::string_view label, const std::string &value) {
  if (!value.empty())
    lines.push_back(std::string(label) + value);
}

} // namespace

void SetQuoteHeading(TQuoteDocument &document, const TJobInfo &info, const std::string &today) {
  const TCompanyProfile &c = info.Company;
  const TJobDetails &d = info.Details;
  document.Title = d.QuoteNumber.empty() ? "Quote" : "Quote " + d.QuoteNumber;

  TQuoteBlock company{c.Name, c.Address};
  AddLine(company.Lines, "Phone ", c.Phone);
  AddLine(company.Lines, "", c.Email);
  AddLine(company.Lines, "", c.Web);
  AddLine(company.Lines, "Tax number ", c.TaxNumber);
  if (!company.Heading.empty() || !company.Lines.empty())
    document.Blocks.push_back(std::move(company));
  TQuoteBlock customer{"Quote for", {}};
  AddLine(customer.Lines, "", d.Customer);
  customer.Lines.insert(customer.Lines.end(), d.CustomerAddress.begin(), d.CustomerAddress.end());
  if (!customer.Lines.empty())
    document.Blocks.push_back(std::move(customer));
  TQuoteBlock job{"Job", {}};
  AddLine(job.Lines, "", d.Project);
  AddLine(job.Lines, "Site: ", d.Site);
  AddLine(job.Lines, "Drawings: ", d.Reference);
  if (!job.Lines.empty())
    document.Blocks.push_back(std::move(job));

  const std::string date = d.Date.empty() ? today : d.Date;
  if (!d.QuoteNumber.empty())
    document.Facts.emplace_back("Quote number", d.QuoteNumber);
  document.Facts.emplace_back("Date", date);
  const int days = d.ValidDays.value_or(c.ValidityDays);
  if (const std::string until = DateAfterDays(date, days); !until.empty())
    document.Facts.emplace_back("Valid until", until);
  if (!d.PreparedBy.empty())
    document.Facts.emplace_back("Prepared by", d.PreparedBy);
}

TCustomerQuote::TCustomerQuote(std::string today)
    : today_(today.empty() ? LocalDateText() : std::move(today)) {}

void TCustomerQuote::ReadLogo(const std::string &path) {
  if (path.empty())
    return;
  std::string bytes, why;
  if (!ReadFileBytes(path, bytes, &why, kMaxLogoBytes))
    warning_ = "the logo '" + path + "' cannot be read (" + why + "): the quote is without it";
  else if (ImageType(bytes).empty())
    warning_ = "the logo '" + path + "' is no PNG, JPEG or GIF image: the quote is without it";
  else {
    document_.LogoType = ImageType(bytes);
    document_.Logo = std::move(bytes);
  }
}

void TCustomerQuote::Begin(const TJobInfo &info) {
  currency_ = info.Currency;
  document_ = {};
  sectionLines_.clear();
  warning_.clear();
  ReadLogo(info.Company.Logo);
  terms_ = info.Company.Terms;
  document_.Footer = info.Company.Name;
  SetQuoteHeading(document_, info, today_);
}

void TCustomerQuote::Line(const TPricedLine &line) {
  if (sectionLines_.empty() || sectionLines_.back() != line.SectionLine) {
    sectionLines_.push_back(line.SectionLine);
    TQuoteTable table;
    table.Heading = line.SectionTitle.empty() ? "Items" : std::string(line.SectionTitle);
    table.Columns = {{"Item", false},
                     {"Description", false},
                     {"Number", true},
                     {"Each", true},
                     {"Amount", true}};
    document_.Tables.push_back(std::move(table));
  }
  TQuoteRow row;
  row.Cells = {{QuoteItemName(line.Bill), {}, false},
               {std::string(line.Description), IncludedWords(line), false},
               {std::to_string(line.Bill.Quantity), {}, true},
               MoneyCell(line.Each, currency_),
               MoneyCell(line.Amount, currency_)};
  document_.Tables.back().Rows.push_back(std::move(row));
}

bool TCustomerQuote::End(const TJobTotals &t, std::string &) {
  for (std::size_t i = 0; i < sectionLines_.size(); ++i)
    for (const TJobSection &section : t.Sections)
      if (section.Line == sectionLines_[i])
        document_.Tables[i].Rows.push_back(
            MoneyRow("Subtotal " + document_.Tables[i].Heading, 4, section.Subtotal, currency_));
  TQuoteTable totals{"Totals", false, true, {{"", false}, {"Amount", true}}, {}};
  AppendMoneyRows(totals, t.Money, currency_);
  document_.Tables.push_back(std::move(totals));
  TQuoteBlock terms{"Terms", terms_};
  terms.Lines.push_back("Prices exclude anything not listed on this quote.");
  document_.Paragraphs.push_back(std::move(terms));
  document_.Acceptance = {"Acceptance",
                          "We accept this quote and its terms, and ask for the work to be done.",
                          {"Name", "Signature", "Date"}};
  return true;
}

} // namespace korvane
