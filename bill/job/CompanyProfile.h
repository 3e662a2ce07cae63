#pragma once
// The estimator's company as its quotes name it, and the defaults a bill
// that names none takes: validity, VAT, the currency symbol and the terms.
// A script hands it over as an INI file (korvane-price --company FILE):
//
//   [Company]
//   Name=Okafor Sheet Metal Ltd
//   Address=14 Foundry Lane|Port Elin 4410
//   Phone=+00 21 555 0142
//   Email=quotes@okafor.example
//   Web=okafor.example
//   TaxNumber=VAT 4410 2210
//   Logo=logo.png
//   Currency=R
//   ValidityDays=30
//   VatPercent=15
//   Terms=Payment 30 days from invoice.|Excludes builder's work.
//
// An INI value is one line, so Address and Terms keep their lines apart
// with "|"; a line of its own never holds one. A relative Logo is taken from
// the INI file's folder. NextQuoteNumber and QuotePattern may be given too.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "bill/job/JobMoney.h"

namespace korvane {

struct TCompanyProfile {
  std::string Name;
  std::vector<std::string> Address; // one line each
  std::string Phone;
  std::string Email;
  std::string Web;
  std::string TaxNumber;
  std::string Logo;     // an image file's path; empty for none
  std::string Currency; // the symbol; empty: the cost file's
  int ValidityDays = 30;
  TPercent100 VatPercent = 0;
  std::vector<std::string> Terms; // one paragraph each
  int NextQuoteNumber = 1;
  // The quote number's text: the run of '#' in it is the number, padded
  // with zeros to the run's length ("Q-####": "Q-0042").
  std::string QuotePattern = "Q-####";
};

// Reads the [Company] group of the INI file at `path`. False with `error`
// naming the file when it cannot be read, has no [Company] group, or a
// number in it does not read (the profile is then left as it was).
bool ReadCompanyProfile(const std::string &path, TCompanyProfile &profile, std::string &error);

// The same from the file's bytes; `path` names it in messages and is where
// a relative Logo is taken from.
bool ReadCompanyProfileText(std::string_view bytes, const std::string &path,
                            TCompanyProfile &profile, std::string &error);

// Writes `profile` into the [Company] group of the INI file at `path`,
// atomically, keeping the file's other groups; false with `error` naming
// the file when it cannot.
bool WriteCompanyProfile(const std::string &path, const TCompanyProfile &profile,
                         std::string &error);

// Where the Company dialog keeps the user's profile:
// $XDG_CONFIG_HOME/Tarnwell/Company.ini (~/.config/Tarnwell/Company.ini).
std::string UserCompanyProfileFile();

// The quote number `number` written in `pattern`'s way; a pattern without a
// '#' gets the number at its end.
std::string QuoteNumberText(std::string_view pattern, int number);

// `text` cut at each '|' into trimmed lines, empty ones dropped.
std::vector<std::string> SplitBarLines(std::string_view text);

} // namespace korvane
