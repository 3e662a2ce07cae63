#include "bill/job/CompanyProfile.h"

#include <cstdlib>
#include <filesystem>

#include "base/AsciiText.h"
#include "base/FileIO.h"
#include "base/IniStore.h"
#include "base/UserFolders.h"
#include "bill/job/JobDetails.h"

namespace korvane {

namespace {

constexpr std::string_view kGroup = "Company";

bool ReadInt(std::string_view text, int low, int high, int &out) {
  text = TrimBlanks(text);
  if (text.empty() || text.size() > 9)
    return false;
  int n = 0;
  for (const char c : text) {
    if (!IsDigit(c))
      return false;
    n = n * 10 + (c - '0');
  }
  if (n < low || n > high)
    return false;
  out = n;
  return true;
}

// "15" or "15%", "12.5": as a bill's VAT, the sign left out or not.
bool ReadPercent(std::string_view text, TPercent100 &out) {
  std::string signed_(TrimBlanks(text));
  if (signed_.empty() || signed_.back() != '%')
    signed_ += '%';
  std::string reason;
  return ReadPercentText(signed_, out, reason);
}

} // namespace

std::vector<std::string> SplitBarLines(std::string_view text) {
  std::vector<std::string> lines;
  while (true) {
    const std::size_t bar = text.find('|');
    const std::string_view line = TrimBlanks(text.substr(0, bar));
    if (!line.empty())
      lines.emplace_back(line);
    if (bar == std::string_view::npos)
      return lines;
    text.remove_prefix(bar + 1);
  }
}

bool ReadCompanyProfile(const std::string &path, TCompanyProfile &profile, std::string &error) {
  std::string bytes, why;
  if (!ReadFileBytes(path, bytes, &why, TIniStore::kMaxFileSize)) {
    error = "cannot read the company profile '" + path + "': " + why;
    return false;
  }
  return ReadCompanyProfileText(bytes, path, profile, error);
}

bool ReadCompanyProfileText(std::string_view bytes, const std::string &path,
                            TCompanyProfile &profile, std::string &error) {
  TIniStore ini;
  ini.Parse(bytes);
  if (!ini.HasSection(kGroup)) {
    error = "the company profile '" + path + "' has no [Company] group";
    return false;
  }
  TCompanyProfile read = profile;
  const auto text = [&](std::string_view key, std::string &field) {
    if (const auto value = ini.Read(kGroup, key))
      field = TrimBlanks(*value);
  };
  text("Name", read.Name);
  text("Phone", read.Phone);
  text("Email", read.Email);
  text("Web", read.Web);
  text("TaxNumber", read.TaxNumber);
  text("Currency", read.Currency);
  text("QuotePattern", read.QuotePattern);
  if (const auto address = ini.Read(kGroup, "Address"))
    read.Address = SplitBarLines(*address);
  if (const auto terms = ini.Read(kGroup, "Terms"))
    read.Terms = SplitBarLines(*terms);
  if (const auto logo = ini.Read(kGroup, "Logo")) {
    read.Logo = TrimBlanks(*logo);
    const std::size_t slash = path.find_last_of('/');
    if (!read.Logo.empty() && read.Logo.front() != '/' && slash != std::string::npos)
      read.Logo = path.substr(0, slash + 1) + read.Logo;
  }
  const auto number = [&](std::string_view key, int low, int high, int &field) {
    const auto value = ini.Read(kGroup, key);
    if (!value || ReadInt(*value, low, high, field))
      return true;
    error = "the company profile '" + path + "': " + std::string(key) + " '" + *value +
            "' is no whole number from " + std::to_string(low) + " to " + std::to_string(high);
    return false;
  };
  if (!number("ValidityDays", 0, 3660, read.ValidityDays) ||
      !number("NextQuoteNumber", 1, 999999999, read.NextQuoteNumber))
    return false;
  if (const auto vat = ini.Read(kGroup, "VatPercent"); vat && !ReadPercent(*vat, read.VatPercent)) {
    error = "the company profile '" + path + "': VatPercent '" + *vat +
            "' is no percentage from 0 to 100 with at most two decimals";
    return false;
  }
  profile = std::move(read);
  return true;
}

bool WriteCompanyProfile(const std::string &path, const TCompanyProfile &profile,
                         std::string &error) {
  // Groups and keys of the file that are not the profile's stay.
  TIniStore ini;
  std::string bytes, why;
  if (ReadFileBytes(path, bytes, &why, TIniStore::kMaxFileSize))
    ini.Parse(bytes);
  const auto lines = [](const std::vector<std::string> &each) {
    std::string joined;
    for (const std::string &line : each) {
      if (!joined.empty())
        joined += '|';
      // A bar inside a line would part it in two when read back.
      for (const char c : line)
        joined += c == '|' ? '/' : c;
    }
    return joined;
  };
  ini.Write(kGroup, "Name", profile.Name);
  ini.Write(kGroup, "Address", lines(profile.Address));
  ini.Write(kGroup, "Phone", profile.Phone);
  ini.Write(kGroup, "Email", profile.Email);
  ini.Write(kGroup, "Web", profile.Web);
  ini.Write(kGroup, "TaxNumber", profile.TaxNumber);
  ini.Write(kGroup, "Logo", profile.Logo);
  ini.Write(kGroup, "Currency", profile.Currency);
  ini.Write(kGroup, "ValidityDays", std::to_string(profile.ValidityDays));
  ini.Write(kGroup, "VatPercent", PercentText(profile.VatPercent));
  ini.Write(kGroup, "Terms", lines(profile.Terms));
  ini.Write(kGroup, "NextQuoteNumber", std::to_string(profile.NextQuoteNumber));
  ini.Write(kGroup, "QuotePattern", profile.QuotePattern);
  // The user's config folder may not be there yet on a new account.
  std::error_code ignored;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
  if (!ini.SaveFile(path, &why)) {
    error = "cannot write the company profile '" + path + "': " + why;
    return false;
  }
  return true;
}

std::string UserCompanyProfileFile() {
  return XdgBaseFolder(std::getenv("XDG_CONFIG_HOME"), HomeFolder(), "/.config") +
         "Tarnwell/Company.ini";
}

std::string QuoteNumberText(std::string_view pattern, int number) {
  std::string digits = std::to_string(number);
  const std::size_t first = pattern.find('#');
  if (first == std::string_view::npos)
    return std::string(pattern) + digits;
  std::size_t last = first;
  while (last < pattern.size() && pattern[last] == '#')
    ++last;
  const std::size_t width = last - first;
  if (digits.size() < width)
    digits.insert(0, width - digits.size(), '0');
  return std::string(pattern.substr(0, first)) + digits + std::string(pattern.substr(last));
}

} // namespace korvane
