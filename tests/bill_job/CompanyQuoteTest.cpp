// The company profile a script hands over, and the customer's quote made
// with it: the company, customer and job, the items in words, the printed
// figures, and none of the estimator's own figures or files.
#include <gtest/gtest.h>

#include <string>

#include "bill/job/CustomerQuote.h"
#include "bill/job/JobHtmlWriter.h"
#include "bill/job/QuoteBuilder.h"
#include "tests/bill_job/JobRun.h"
#include "tests/support/TempFolder.h"

namespace korvane::test {
namespace {

TEST(CompanyProfile, ReadsTheCompanyGroupAndRefusesWhatDoesNotLoad) {
  TempFolder dir;
  PutFile(dir.File("company.ini"),
          "[Company]\r\nName=Okafor Sheet Metal\r\n"
          "Address=14 Foundry Lane | | Port Elin 4410\r\n"
          "Logo=logo.png\r\nCurrency=R\r\nValidityDays=45\r\n"
          "VatPercent=12.5\r\nTerms=Payment in 30 days.|Excludes builder's work.\r\n");
  TCompanyProfile profile;
  std::string error;
  ASSERT_TRUE(ReadCompanyProfile(dir.File("company.ini"), profile, error)) << error;
  EXPECT_EQ(profile.Name, "Okafor Sheet Metal");
  EXPECT_EQ(profile.Address, (std::vector<std::string>{"14 Foundry Lane", "Port Elin 4410"}));
  EXPECT_EQ(profile.Logo, dir.File("logo.png"));
  EXPECT_EQ(profile.ValidityDays, 45);
  EXPECT_EQ(profile.VatPercent, 1250);
  EXPECT_EQ(profile.Terms.size(), 2u);
  EXPECT_EQ(QuoteNumberText("Q-####/26", 42), "Q-0042/26");
  EXPECT_EQ(QuoteNumberText("Q", 123456), "Q123456");

  const std::pair<const char *, const char *> bad[] = {
      {"[Company]\nValidityDays=thirty\n", "ValidityDays 'thirty'"},
      {"[Company]\nVatPercent=150\n", "VatPercent '150'"},
      {"[Company]\nVatPercent=12.345\n", "VatPercent '12.345'"},
      {"[Firm]\nName=x\n", "has no [Company] group"},
      {"\xff\xfe[Company\x00\n=\n", "has no [Company] group"},
  };
  for (const auto &[text, reason] : bad) {
    PutFile(dir.File("bad.ini"), text);
    TCompanyProfile kept = profile;
    EXPECT_FALSE(ReadCompanyProfile(dir.File("bad.ini"), kept, error)) << text;
    EXPECT_NE(error.find(dir.File("bad.ini")), std::string::npos) << error;
    EXPECT_NE(error.find(reason), std::string::npos) << error;
    EXPECT_EQ(kept.Name, profile.Name);
  }
  EXPECT_FALSE(ReadCompanyProfile(dir.File("none.ini"), profile, error));
  EXPECT_NE(error.find("cannot read the company profile '" + dir.File("none.ini") + "'"),
            std::string::npos)
      << error;
}

const std::string kJob = "; Customer: Harbour Road Properties\n"
                         "; Customer address: 14 Quay Street\n"
                         "; Project: Level 2 offices\n"
                         "; Quote number: Q-0142\n"
                         "; Date: 2026-02-28\n"
                         "; VAT: 15%\n"
                         "Costs = Default.cst\n"
                         "# Supply riser\n"
                         "GlobalSettings (Erection=Include)\n"
                         "VanedSquareBend (Gauge=1.0, Mezz35)\n"
                         "\t-\t1200  600  1\n"
                         "StraightRect (Insulation=External, InsThickness=25mm, NumberOff=6)\n"
                         "\t-\t1200  600  2.400\n"
                         "# Round branches\n"
                         "GlobalSettings (Erection=Exclude, Brackets=Include)\n"
                         "Spiral (NumberOff=12)\n"
                         "\t-\t400  3.000\n";

TEST(CustomerQuote, CarriesTheJobInWordsAndNothingOfTheEstimators) {
  TempFolder dir;
  PutFile(dir.File("logo.png"), "not an image");
  TCompanyProfile company;
  company.Name = "Okafor Sheet Metal";
  company.TaxNumber = "4410 2210";
  company.Logo = dir.File("logo.png");
  company.Terms = {"Payment in 30 days."};
  std::string html, sheet;
  TJobHtmlWriter quote(html, std::make_unique<TCustomerQuote>("2026-03-01"));
  TJobHtmlWriter estimator(sheet, std::make_unique<TQuoteBuilder>("2026-03-01"));
  const std::string data = KORVANE_STAGE_DIR "/Data Files/";
  TBillJob job(StagedSetup(), "job.dct", data, {&quote, &estimator});
  job.Pricer().SetCompany(company);
  job.Feed(kJob);
  ASSERT_TRUE(job.Finish()) << job.Pricer().FatalError();
  ASSERT_EQ(job.Pricer().Totals().Priced, 3u);
  const TJobMoney &m = job.Pricer().Totals().Money;

  for (const std::string &text : std::initializer_list<std::string>{
           "<h1>Quote Q-0142</h1>",
           "Okafor Sheet Metal",
           "Tax number 4410 2210",
           "Harbour Road Properties",
           "14 Quay Street",
           "Level 2 offices",
           "Valid until</dt><dd>2026-03-30",
           "<h2>Supply riser</h2>",
           "<h2>Round branches</h2>",
           "Square Bend, vaned",
           "1200mm x 600mm",
           "turning vanes, 1.0 mm sheet, 35 mm flanged joints, erection included",
           "25 mm external insulation",
           "erection not included, brackets included",
           "Subtotal Supply riser",
           "VAT 15% on ",
           "Total including VAT",
           MoneyText(m.Total, {}),
           "Payment in 30 days.",
           "Signature"})
    EXPECT_NE(html.find(text), std::string::npos) << text;
  for (const char *estimators :
       {"Default.cst", "Reference date", "2000-01-01", "Gauge", "Weight", "Area", "Line",
        "AutoGauge", "AutoFlange", "NoIns", "job.dct", "<td class=\"n\">11</td>"})
    EXPECT_EQ(html.find(estimators), std::string::npos) << estimators;
  // The logo that is no image is left out, and said once.
  EXPECT_EQ(html.find("<img"), std::string::npos);
  EXPECT_NE(quote.Warning().find("logo.png' is no PNG"), std::string::npos) << quote.Warning();

  // The estimator's sheet keeps them, with the sections' subtotals.
  for (const char *text : {"Default.cst", "Gauge", "Subtotal Supply riser",
                           "<tr class=\"section\"><td colspan=\"6\">Round branches</td>"})
    EXPECT_NE(sheet.find(text), std::string::npos) << text;
}

} // namespace
} // namespace korvane::test
