// The company profile a script hands korvane-price and korvane-bill, and the
// file the Company dialog writes. Whatever the bytes, reading ends; a profile
// that reads is written and read back the same.
#include "bill/job/CompanyProfile.h"
#include "fuzz/FuzzSupport.h"

using namespace korvane;
using namespace korvane::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string path = ScratchFile("Company.ini");
  TCompanyProfile read;
  std::string error;
  if (!ReadCompanyProfileText(AsText(data, size), path, read, error)) {
    FUZZ_CHECK(error.find(path) != std::string::npos);
    return 0;
  }
  FUZZ_CHECK(WriteCompanyProfile(path, read, error));
  TCompanyProfile back;
  FUZZ_CHECK(ReadCompanyProfile(path, back, error));
  FUZZ_CHECK(back.Name == read.Name && back.Address == read.Address && back.Terms == read.Terms &&
             back.Logo == read.Logo && back.VatPercent == read.VatPercent &&
             back.ValidityDays == read.ValidityDays &&
             back.NextQuoteNumber == read.NextQuoteNumber &&
             back.QuotePattern == read.QuotePattern && back.Currency == read.Currency);
  return 0;
}
